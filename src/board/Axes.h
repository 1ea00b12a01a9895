#pragma once
// Coordinate systems on a board: axes with a light grid, in one quadrant or all four.

#include <QPoint>

namespace orv {

class BoardCanvas;

// The grid step of both coordinate system tools, whatever the snap grid.
constexpr int kAxesGridStep = 25;

struct AxesPlacement {
    QPoint origin;
    int xExtent = 0, yExtent = 0;
    int quadrant = 0; // 0 all four, else the one quadrant (1 right and up, 2 left and up, 3 left and down,
                      // 4 right and down)
};

// Four quadrants centred in the rectangle P1, P2, centre and half extents rounded half to even.
AxesPlacement FourQuadrantAxes(QPoint p1, QPoint p2);
// One quadrant from P1 towards P2; a drag along an axis gives quadrant 1 with its origin at (X1, Y2).
AxesPlacement OneQuadrantAxes(QPoint p1, QPoint p2);

// With a 1-pixel pen: per quadrant the x axis in dark red, the y axis in blue, then, when the step is
// positive, light grey grid lines strictly inside the extents. The board's pen colour and width change.
void DrawAxes(BoardCanvas& canvas, QPoint origin, int xExtent, int yExtent, int quadrant, int step);

} // namespace orv
