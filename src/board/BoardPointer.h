#pragma once
// The pointer on the public boards: the two pointer buttons, the right mouse button moving it for everybody,
// and the pointer others move, which brings their board forward and into sight.

#include "protocol/BoardSharingMessages.h"
#include "protocol/IncomingPacket.h"

#include <QPoint>

#include <functional>

namespace orv {

class IBoardAccess;
class Whiteboard;
struct TSessionContext;

// The pointer as the board view shows it: which arrow (none for pkHidden), where on the board (its image's
// top-left corner), and whether the view should scroll it into sight.
struct TPointerView {
    std::uint16_t kind = pkHidden;
    QPoint position;
    bool scrollIntoView = false;
};

class TBoardPointer {
public:
    TBoardPointer(TSessionContext& context, Whiteboard& boards, IBoardAccess& access,
                  std::function<void()> changed);

    // The pointer tool bar buttons (ptLeft, ptRight).
    void SetButtons(bool left, bool right);
    bool LeftDown() const { return m_left; }
    bool RightDown() const { return m_right; }
    // The right mouse button on a board.
    void Press(QPoint point);
    void Move(QPoint point);
    void Release(QPoint point);
    bool Active() const { return m_active; }
    void Send(QPoint point, std::uint16_t kind);
    void Show(QPoint point, bool scroll, std::uint16_t kind);
    const TPointerView& View() const { return m_view; }

    // Another participant's pointer.
    void Receive(const TIncomingPacket& packet);
    // The session ends: no pointer shown or moving.
    void Reset();

private:
    TSessionContext& m_context;
    Whiteboard& m_boards;
    IBoardAccess& m_access;
    std::function<void()> m_changed;
    bool m_left = false, m_right = false;
    bool m_active = false;
    TPointerView m_view;
};

} // namespace orv
