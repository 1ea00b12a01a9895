#pragma once
// How a picture larger than a board is brought onto it: shrunk to the board, keeping its proportions, or the
// board grown to the picture.

#include <QSize>

namespace orv {

// The size a picture is scaled to so that it fits the board. The ratio is width / (height + 1); the longer
// side (by that ratio) takes the board's, the other follows rounded to nearest, ties to even, and when that
// still overflows the board, the other side takes the board's and the first follows.
QSize ShrinkToBoard(QSize picture, QSize board);
// The board grown in each dimension that is smaller than the picture's.
QSize ExpandBoard(QSize board, QSize picture);
// Whether the picture is wider or taller than the board.
bool LargerThanBoard(QSize picture, QSize board);

} // namespace orv
