#include "board/BoardJpeg.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

namespace orv {

namespace {

// The reader's own limit in MiB (0: none set, then Qt's default of 256 MiB holds for us too).
qint64 AllocationLimitBytes() {
    const int limitMiB = QImageReader::allocationLimit();
    return qint64(limitMiB > 0 ? limitMiB : 256) * 1024 * 1024;
}

} // namespace

std::optional<QImage> DecodeBoardJpeg(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    QImageReader reader(&buffer, "jpeg");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    // Refused on the header's dimensions, before anything is allocated for the pixels.
    if (!size.isValid() || size.isEmpty() ||
        qint64(size.width()) * size.height() * 4 > AllocationLimitBytes())
        return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    return image.convertToFormat(QImage::Format_RGB32);
}

QByteArray EncodeBoardJpeg(const QImage& image, int quality) {
    if (image.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        return {};
    return bytes;
}

} // namespace orv
