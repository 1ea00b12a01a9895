#include "appshare/CursorRecord.h"

#include "appshare/PngTiles.h"
#include "platform/DesktopAccess.h"

#include <QPainter>

namespace orv {

std::optional<TCursorMessage> BuildCursorRecord(IDesktopAccess& desktop) {
    const auto pointer = desktop.Pointer();
    if (!pointer)
        return std::nullopt;
    QImage picture(kCursorSide, kCursorSide, QImage::Format_RGB32);
    picture.fill(kCursorBackground);
    if (!pointer->image.isNull()) {
        QPainter painter(&picture);
        painter.drawImage(QPoint(0, 0), pointer->image);
    }
    TCursorMessage message;
    message.record.SetX(pointer->position.x() - pointer->hotSpot.x());
    message.record.SetY(pointer->position.y() - pointer->hotSpot.y());
    message.png = EncodeTilePng(picture, picture.rect());
    message.record.SetByteCount(std::int32_t(message.png.size()));
    return message;
}

QImage DecodeCursorImage(const QByteArray& png) {
    QImage image = DecodeTilePng(png, kCursorSide, kCursorSide);
    if (image.isNull())
        return {};
    const QRgb key = image.pixel(0, kCursorSide - 1);
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < kCursorSide; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kCursorSide; ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return image;
}

} // namespace orv
