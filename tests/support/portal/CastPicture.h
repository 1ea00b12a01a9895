#pragma once
// What the test portal's screen cast shows, known to the tests that check what arrived: a picture of four
// coloured quadrants (turned, mirrored or with its channels swapped, it no longer matches) in two scenes,
// the second changing the picture and moving the pointer, and the pointer's own picture.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

#include <array>

namespace orv::test {

// The quadrants' colours in scene `scene` (0 or 1), top left, top right, bottom left, bottom right.
std::array<QColor, 4> CastColours(int scene);
// The screen of scene `scene`, in QImage::Format_RGB32.
QImage CastPicture(QSize size, int scene);
// The centres of the four quadrants of a picture of `size`.
std::array<QPoint, 4> CastQuadrantCentres(QSize size);

struct CastPointer {
    QImage image; // QImage::Format_ARGB32, opaque and clear parts
    QPoint hotSpot;
    QPoint position; // on the screen
};
CastPointer CastPointerOf(int scene);

} // namespace orv::test
