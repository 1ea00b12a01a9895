#pragma once
// The area a fill covers: every pixel 4-connected to the seed through pixels of the seed's colour. Found
// with an explicit stack of row runs, so a board-sized area needs no deep recursion.

#include <QImage>
#include <QPoint>

#include <vector>

namespace orv {

struct FillRun {
    int y = 0, begin = 0, end = 0; // columns [begin, end) of row y
};

// Empty when the seed lies outside the image. Colours compare without the alpha byte.
std::vector<FillRun> FloodArea(const QImage& image, QPoint seed);

} // namespace orv
