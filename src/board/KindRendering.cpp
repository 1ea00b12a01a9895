#include "board/KindRendering.h"

#include "board/Airbrush.h"
#include "board/Axes.h"
#include "board/IntegerMath.h"
#include "board/LineDDA.h"
#include "board/MarkImages.h"

#include <cstdlib>

namespace orv {

namespace {

constexpr TColor kAreaEraserPreviewColour = 0x000000FF; // red

void Freehand(BoardCanvas& canvas, std::uint8_t kind, QPoint p1, QPoint& lastPoint) {
    const PenState noted = canvas.Pen();
    if (kind == BoardKind::Eraser) {
        canvas.SetPen({kBoardWhite, noted.width, noted.style});
        canvas.LineTo(p1);
    } else if (kind == BoardKind::Handwriting && noted.width <= kPlainHandwritingWidth) {
        canvas.MoveTo(lastPoint);
        canvas.LineTo(p1);
    } else {
        const bool highlighter = kind == BoardKind::Highlighter;
        const int size = highlighter ? kHighlighterSize : noted.width + 1;
        const int intensity = highlighter ? kHighlighterIntensity : kHandwritingIntensity;
        // Dabs centred off the board by less than their size still reach it.
        const QRect reach = canvas.Image().rect().adjusted(-size, -size, size, size);
        ClippedLineDDA(lastPoint, p1, reach, [&](int x, int y, std::int64_t) {
            AirbrushStamp(canvas.Pixels(), x, y, size, noted.color, intensity);
        });
        canvas.MarkChanged(QRect(lastPoint, p1).normalized().adjusted(-size, -size, size, size));
    }
    lastPoint = p1;
    canvas.SetPen(noted);
}

void Circle(BoardCanvas& canvas, QPoint centre, QPoint through) {
    const std::int64_t dx = through.x() - centre.x(), dy = through.y() - centre.y();
    const int r = int(ISqrt(std::uint64_t(dx * dx + dy * dy)));
    canvas.Ellipse(centre - QPoint(r, r), centre + QPoint(r, r));
}

void Axes(BoardCanvas& canvas, const AxesPlacement& axes) {
    const PenState pen = canvas.Pen();
    const BrushState brush = canvas.Brush();
    DrawAxes(canvas, axes.origin, axes.xExtent, axes.yExtent, axes.quadrant, kAxesGridStep);
    canvas.SetPen(pen);
    canvas.SetBrush(brush);
}

// A white rectangle with a 1-pixel white pen; as a rubber band, a dotted red outline (the white brush
// leaves pixels unchanged in not-xor).
void AreaEraser(BoardCanvas& canvas, QPoint p1, QPoint p2, PenMode mode) {
    const PenState pen = canvas.Pen();
    const BrushState brush = canvas.Brush();
    if (mode == PenMode::NotXor)
        canvas.SetPen({kAreaEraserPreviewColour, 1, PenStyle::Dotted});
    else
        canvas.SetPen({kBoardWhite, 1, PenStyle::Solid});
    canvas.SetBrush({kBoardWhite, BoardBrush::Solid});
    canvas.Rectangle(p1, p2);
    canvas.SetPen(pen);
    canvas.SetBrush(brush);
}

bool DrawsInNotXor(std::uint8_t kind) {
    switch (kind) {
    case BoardKind::Handwriting:
    case BoardKind::Eraser:
    case BoardKind::Highlighter:
    case BoardKind::Fill:
    case BoardKind::Mark:
    case BoardKind::Clear:
        return false;
    default:
        return true;
    }
}

} // namespace

void DrawKind(BoardCanvas& canvas, std::uint8_t kind, QPoint p1, QPoint p2, PenMode mode, QPoint& lastPoint) {
    if (mode == PenMode::NotXor && !DrawsInNotXor(kind))
        return;
    FigureScope figure(canvas, mode);
    switch (kind) {
    case BoardKind::Line:
        canvas.MoveTo(p1);
        canvas.LineTo(p2);
        break;
    case BoardKind::Rectangle:
        canvas.Rectangle(p1, p2);
        break;
    case BoardKind::Oval:
        canvas.Ellipse(p1, p2);
        break;
    case BoardKind::RoundRectangle:
        canvas.RoundRect(p1, p2, (p1.x() - p2.x()) / 2, (p1.y() - p2.y()) / 2);
        break;
    case BoardKind::Handwriting:
    case BoardKind::Eraser:
    case BoardKind::Highlighter:
        Freehand(canvas, kind, p1, lastPoint);
        break;
    case BoardKind::Clear:
        canvas.FillRect(p1, p2, kBoardWhite);
        break;
    case BoardKind::Circle:
        Circle(canvas, p1, p2);
        break;
    case BoardKind::Fill:
        canvas.FloodFill(p1);
        break;
    case BoardKind::FourQuadrants:
        Axes(canvas, FourQuadrantAxes(p1, p2));
        break;
    case BoardKind::OneQuadrant:
        Axes(canvas, OneQuadrantAxes(p1, p2));
        break;
    case BoardKind::Mark:
        if (IsMarkImage(p2.x()))
            canvas.AndImage(p1, MarkImage(p2.x()));
        break;
    case BoardKind::AreaEraser:
        AreaEraser(canvas, p1, p2, mode);
        break;
    default: // text, none, select, capture placement, move-to and unknown kinds draw nothing
        break;
    }
}

} // namespace orv
