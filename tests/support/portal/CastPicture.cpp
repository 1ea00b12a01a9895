#include "support/portal/CastPicture.h"

#include <QPainter>

namespace orv::test {

std::array<QColor, 4> CastColours(int scene) {
    if (scene == 0)
        return {QColor(200, 40, 40), QColor(40, 160, 60), QColor(30, 60, 200), QColor(230, 200, 40)};
    return {QColor(120, 30, 150), QColor(20, 180, 190), QColor(240, 140, 20), QColor(90, 90, 90)};
}

QImage CastPicture(QSize size, int scene) {
    QImage picture(size, QImage::Format_RGB32);
    const auto colours = CastColours(scene);
    const int w = size.width() / 2, h = size.height() / 2;
    QPainter p(&picture);
    p.fillRect(0, 0, w, h, colours[0]);
    p.fillRect(w, 0, size.width() - w, h, colours[1]);
    p.fillRect(0, h, w, size.height() - h, colours[2]);
    p.fillRect(w, h, size.width() - w, size.height() - h, colours[3]);
    return picture;
}

std::array<QPoint, 4> CastQuadrantCentres(QSize size) {
    const int w = size.width() / 4, h = size.height() / 4;
    return {QPoint(w, h), QPoint(3 * w, h), QPoint(w, 3 * h), QPoint(3 * w, 3 * h)};
}

CastPointer CastPointerOf(int scene) {
    // An arrow-like wedge: opaque black with a white edge on a clear square.
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x <= y && x < 16; ++x)
            image.setPixelColor(x, y, x == 0 || x == y ? QColor(Qt::white) : QColor(Qt::black));
    return {image, QPoint(1, 1), scene == 0 ? QPoint(300, 200) : QPoint(700, 500)};
}

} // namespace orv::test
