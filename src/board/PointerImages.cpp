#include "board/PointerImages.h"

#include <QPainter>
#include <QPolygon>

namespace orv {

QImage PointerImage(int kind) {
    if (kind != 1 && kind != 2)
        return {};
    QImage image(kPointerImageSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // An arrow with its tip in the top-left corner, a shaft down to the right.
    const QPolygon arrow({{0, 0}, {16, 6}, {10, 9}, {22, 21}, {19, 24}, {7, 12}, {4, 18}});
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (kind == 2) {
        painter.translate(kPointerImageSize.width() - 1, 0);
        painter.scale(-1, 1);
    }
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(QColor(200, 0, 0));
    painter.drawPolygon(arrow);
    return image;
}

} // namespace orv
