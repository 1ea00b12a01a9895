#include "resources/TemporaryNames.h"

#include <QDir>
#include <QTemporaryFile>

namespace orv {

QString SafeExtension(const QString& extension) {
    QString safe;
    for (const QChar c : extension)
        if (c.unicode() < 128 && c.isLetterOrNumber() && safe.size() < 16)
            safe += c;
    return safe.isEmpty() ? safe : "." + safe;
}

QString TemporaryDownloadPath(const QString& folder, const QString& extension) {
    QTemporaryFile file(QDir(folder).filePath("download-XXXXXX" + SafeExtension(extension)));
    file.setAutoRemove(false);
    return file.open() ? file.fileName() : QString();
}

} // namespace orv
