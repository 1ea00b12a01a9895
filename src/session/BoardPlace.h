#pragma once
// What other subsystems may ask of the whiteboard: which board is current, and to make another one current
// (announced to the room when the user holds the lock), as a presented picture does before it is drawn.

#include <cstdint>

namespace orv {

class IBoardPlace {
public:
    virtual ~IBoardPlace() = default;
    virtual std::int32_t CurrentBoard() const = 0;
    virtual void SwitchBoard(std::int32_t board, bool announce) = 0;
};

} // namespace orv
