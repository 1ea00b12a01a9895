#pragma once
// What SaveBoardStyle keeps of a board: its brush and pen, and the tool in use. Every caller keeps its own
// copy, so a save and restore around one drawing never disturb another caller's.

#include "board/BoardCanvas.h"

namespace orv {

struct BoardStyle {
    BrushState brush;
    PenState pen;
    std::uint8_t tool = BoardKind::Select;
    friend bool operator==(const BoardStyle&, const BoardStyle&) = default;
};

} // namespace orv
