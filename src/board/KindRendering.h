#pragma once
// What one drawing element of each kind draws on a board: the drawing half of RenderItem.

#include "board/BoardCanvas.h"

#include <QPoint>

#include <cstdint>

namespace orv {

// Highlighter dabs and thick handwriting: the dab size and how much of the pen colour each dab blends in.
constexpr int kHighlighterSize = 15;
constexpr int kHighlighterIntensity = 6;
constexpr int kHandwritingIntensity = 90;
// Handwriting up to this width draws plain line segments.
constexpr int kPlainHandwritingWidth = 3;

// Draws `kind` from P1 to P2 in `mode`. Freehand kinds continue from and update `lastPoint`, the caller's
// last-point slot. In not-xor mode only the figures that have a rubber band draw: a fill, a mark and the
// freehand kinds are not self-inverse and draw nothing there. A mark's picture number is P2's x.
void DrawKind(BoardCanvas& canvas, std::uint8_t kind, QPoint p1, QPoint p2, PenMode mode, QPoint& lastPoint);

} // namespace orv
