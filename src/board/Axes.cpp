#include "board/Axes.h"

#include "board/BoardCanvas.h"
#include "board/IntegerMath.h"

#include <cstdlib>

namespace orv {

namespace {

constexpr TColor kXAxisColour = 0x00000080; // dark red
constexpr TColor kYAxisColour = 0x00FF0000; // blue
constexpr TColor kGridColour = 0x00C0C0C0;  // light grey

void SetPenColour(BoardCanvas& canvas, TColor colour) {
    PenState pen = canvas.Pen();
    pen.color = colour;
    pen.width = 1;
    canvas.SetPen(pen);
}

void Segment(BoardCanvas& canvas, QPoint from, QPoint to) {
    canvas.MoveTo(from);
    canvas.LineTo(to);
}

void DrawQuadrant(BoardCanvas& canvas, QPoint o, int w, int h, int quadrant, int step) {
    const int sx = (quadrant == 1 || quadrant == 4) ? 1 : -1;
    const int sy = (quadrant == 1 || quadrant == 2) ? -1 : 1;
    SetPenColour(canvas, kXAxisColour);
    Segment(canvas, o, {o.x() + sx * w, o.y()});
    SetPenColour(canvas, kYAxisColour);
    Segment(canvas, o, {o.x(), o.y() + sy * h});
    canvas.MoveTo(o);
    if (step <= 0)
        return;
    SetPenColour(canvas, kGridColour);
    for (int k = 1; k * step < w; ++k) {
        const int x = o.x() + sx * k * step;
        Segment(canvas, {x, o.y()}, {x, o.y() + sy * h});
    }
    for (int k = 1; k * step < h; ++k) {
        const int y = o.y() + sy * k * step;
        Segment(canvas, {o.x(), y}, {o.x() + sx * w, y});
    }
}

} // namespace

AxesPlacement FourQuadrantAxes(QPoint p1, QPoint p2) {
    return {{int(RoundHalfEven(p1.x() + p2.x(), 2)), int(RoundHalfEven(p1.y() + p2.y(), 2))},
            int(RoundHalfEven(std::abs(p1.x() - p2.x()), 2)),
            int(RoundHalfEven(std::abs(p1.y() - p2.y()), 2)),
            0};
}

AxesPlacement OneQuadrantAxes(QPoint p1, QPoint p2) {
    AxesPlacement axes{p1, std::abs(p1.x() - p2.x()), std::abs(p1.y() - p2.y()), 1};
    if (p1.x() == p2.x() || p1.y() == p2.y()) {
        axes.origin = {p1.x(), p2.y()};
        return axes;
    }
    const bool right = p2.x() > p1.x(), down = p2.y() > p1.y();
    axes.quadrant = right ? (down ? 4 : 1) : (down ? 3 : 2);
    return axes;
}

void DrawAxes(BoardCanvas& canvas, QPoint origin, int xExtent, int yExtent, int quadrant, int step) {
    if (quadrant == 0) {
        for (int q = 1; q <= 4; ++q)
            DrawQuadrant(canvas, origin, xExtent, yExtent, q, step);
        return;
    }
    DrawQuadrant(canvas, origin, xExtent, yExtent, quadrant, step);
}

} // namespace orv
