#pragma once
// What another subsystem may do with the whiteboard to put a picture on it: the board and lock state, the
// lock request of the Lock Board action, clearing, and placing a picture at the board's corner, shared with
// the room on a public board. The program hands the board's implementation to those who need it.

#include <QImage>

namespace orv {

class IBoardPlacement {
public:
    virtual ~IBoardPlacement() = default;

    // 0 is the private board, 1 to 5 the public ones.
    virtual int CurrentBoard() const = 0;
    virtual bool PublicBoardAccess() const = 0;
    virtual bool HoldsLock() const = 0;
    // Asks for the board lock as the Lock Board action does; nothing when that action is disabled or the
    // lock is already held.
    virtual void RequestLock() = 0;
    // Clears the board here, and for the room when the lock is held on a public board.
    virtual void ClearBoard(int board) = 0;
    // Draws the picture at the current board's top-left corner, first asking whether to shrink it or grow
    // the board when it is larger; on a public board the placed picture is sent to the room.
    virtual void PlacePicture(const QImage& picture) = 0;
};

} // namespace orv
