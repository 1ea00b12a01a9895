#include "polls/PollFile.h"

#include <QFile>
#include <QSaveFile>

namespace orv {

std::optional<TPollRecord> ReadPollFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return DecodePollFile(file.read(qint64(TPollRecord::kSize)));
}

bool WritePollFile(const QString& path, std::int32_t answerMask, const QString& question) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(PollFileRecord(answerMask, question).encode()) == qint64(TPollRecord::kSize) &&
           file.commit();
}

} // namespace orv
