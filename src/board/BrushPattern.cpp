#include "board/BrushPattern.h"

#include "protocol/BoardRecords.h"

namespace orv {

namespace {

// Hatch lines fall on the fourth row or column of each 8-pixel cell; the diagonals run through the
// cell's corners: forward (top-left to bottom-right) where x = y, backward where x + y = 7.
bool HatchCovers(std::uint8_t style, int x, int y) {
    const int cx = x & 7, cy = y & 7;
    switch (style) {
    case BoardBrush::Horizontal:
        return cy == 3;
    case BoardBrush::Vertical:
        return cx == 3;
    case BoardBrush::ForwardDiagonal:
        return cx == cy;
    case BoardBrush::BackwardDiagonal:
        return cx + cy == 7;
    case BoardBrush::Cross:
        return cx == 3 || cy == 3;
    case BoardBrush::DiagonalCross:
        return cx == cy || cx + cy == 7;
    default:
        return false;
    }
}

} // namespace

bool BrushCovers(std::uint8_t brushStyle, int x, int y) {
    return brushStyle == BoardBrush::Solid || HatchCovers(brushStyle, x, y);
}

bool BrushIsEmpty(std::uint8_t brushStyle) {
    return brushStyle != BoardBrush::Solid &&
           (brushStyle < BoardBrush::Horizontal || brushStyle > BoardBrush::DiagonalCross);
}

} // namespace orv
