#include "board/PictureFit.h"

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

// Nearest, ties to even (the default floating-point rounding mode).
int RoundEven(double value) {
    return int(std::nearbyint(value));
}

} // namespace

QSize ShrinkToBoard(QSize picture, QSize board) {
    if (picture.isEmpty() || board.isEmpty())
        return picture;
    const double ratio = double(picture.width()) / double(picture.height() + 1);
    int width, height;
    if (ratio >= 1) {
        width = board.width();
        height = RoundEven(width / ratio);
    } else {
        height = board.height();
        width = RoundEven(height * ratio);
    }
    if (height > board.height()) {
        height = board.height();
        width = RoundEven(height * ratio);
    }
    if (width > board.width()) {
        width = board.width();
        height = RoundEven(width / ratio);
    }
    return {std::max(width, 1), std::max(height, 1)};
}

QSize ExpandBoard(QSize board, QSize picture) {
    return board.expandedTo(picture);
}

bool LargerThanBoard(QSize picture, QSize board) {
    return picture.width() > board.width() || picture.height() > board.height();
}

} // namespace orv
