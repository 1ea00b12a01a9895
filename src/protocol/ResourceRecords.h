#pragma once
// The resource record: describes every shared document, library image, web link, participant picture and
// presentation, and is the request of every file transfer.

#include "protocol/FixedRecord.h"

namespace orv {

class TResourceRecord : public TFixedRecord<773> {
public:
    // -1 in download requests, 0 in uploads; the server numbers the resources it keeps.
    std::int32_t ResourceId() const { return get<std::int32_t, 0>(); }
    void SetResourceId(std::int32_t v) { set<std::int32_t, 0>(v); }
    // The file name without a folder; for a web link its address.
    QString FileName() const { return text<4, 200>(); }
    void SetFileName(const QString& v) { setText<4, 200>(v); }
    // Uploads: the full local path of the file sent; download requests: where the requester writes it.
    QString LocalPath() const { return text<205, 200>(); }
    void SetLocalPath(const QString& v) { setText<205, 200>(v); }
    std::int32_t FileSize() const { return get<std::int32_t, 406>(); }
    void SetFileSize(std::int32_t v) { set<std::int32_t, 406>(v); }
    // The extension with its dot, for example ".jpg".
    QString FileExt() const { return text<410, 20>(); }
    void SetFileExt(const QString& v) { setText<410, 20>(v); }
    // The uploader's comment; the title of images and web links.
    QString Description() const { return text<431, 200>(); }
    void SetDescription(const QString& v) { setText<431, 200>(v); }
    // The full name of the participant who uploaded it.
    QString OwnerName() const { return text<632, 128>(); }
    void SetOwnerName(const QString& v) { setText<632, 128>(v); }
    // Local time of the upload at the uploader, as a time stamp.
    double Uploaded() const { return get<double, 761>(); }
    void SetUploaded(double v) { set<double, 761>(v); }
    // The slide number of a slide, the slide count of a presentation, 0 otherwise.
    std::int32_t ItemCount() const { return get<std::int32_t, 769>(); }
    void SetItemCount(std::int32_t v) { set<std::int32_t, 769>(v); }
};
static_assert(sizeof(TResourceRecord) == 773);

} // namespace orv
