#include "resources/UploadSource.h"

#include "link/ErrorMessages.h"
#include "protocol/ResultCodes.h"
#include "protocol/Stamp.h"
#include "protocol/TransferMessages.h"

#include <QFileInfo>

namespace orv {

std::optional<TUploadRefusal> UploadSource::Check(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return TUploadRefusal{ResultCode::CannotOpenFile, ErrorText(ResultCode::CannotOpenFile)};
    if (file.size() > kMaxTransferFileSize)
        return TUploadRefusal{
            ResultCode::UploadFailed,
            tr("The file \"%1\" is too large to be sent: only files smaller than 2 GB can be "
               "uploaded.")
                .arg(file.fileName())};
    return std::nullopt;
}

TResourceRecord UploadSource::Describe(const QString& path, std::int32_t size, const QString& description,
                                       const QString& ownerName, std::int32_t itemCount) {
    const QFileInfo file(path);
    const QString name = file.fileName();
    const qsizetype dot = name.lastIndexOf('.');
    TResourceRecord record;
    record.SetResourceId(0);
    record.SetFileName(name);
    record.SetLocalPath(file.absoluteFilePath());
    record.SetFileExt(dot >= 0 ? name.mid(dot) : QString());
    record.SetFileSize(size);
    record.SetDescription(description.trimmed());
    record.SetOwnerName(ownerName.trimmed());
    record.SetUploaded(stampNow());
    record.SetItemCount(itemCount);
    return record;
}

} // namespace orv
