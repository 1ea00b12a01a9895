#pragma once
// Which pixels a brush paints. A hatch is an 8 x 8 pattern anchored at the board's top-left corner; the
// pixels between its lines are left as they are (transparent background).

#include <cstdint>

namespace orv {

// True for a pixel the brush style paints; a clear brush paints none, a solid brush all.
bool BrushCovers(std::uint8_t brushStyle, int x, int y);

// True when the style paints nothing (clear, or a value no brush has).
bool BrushIsEmpty(std::uint8_t brushStyle);

} // namespace orv
