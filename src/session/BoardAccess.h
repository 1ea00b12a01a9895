#pragma once
// What other subsystems may ask of the whiteboard: which board is current, whether the user holds the public
// boards' lock, and switching boards. The board module answers; slides use it to show a presentation.

#include <cstdint>

namespace orv {

class IBoardAccess {
public:
    virtual ~IBoardAccess() = default;
    // 0 the private board, 1 to 5 the public ones.
    virtual std::int32_t CurrentBoard() const = 0;
    virtual bool HoldsLock() const = 0;
    // Makes a board current; with `announce` the lock holder's choice of a public board brings everybody to
    // it.
    virtual void SwitchBoard(int board, bool announce) = 0;
};

} // namespace orv
