#include "board/BoardPointer.h"

#include "board/BoardLiveSend.h"
#include "board/Whiteboard.h"
#include "session/BoardAccess.h"

namespace orv {

TBoardPointer::TBoardPointer(TSessionContext& context, Whiteboard& boards, IBoardAccess& access,
                             std::function<void()> changed)
    : m_context(context), m_boards(boards), m_access(access), m_changed(std::move(changed)) {}

void TBoardPointer::SetButtons(bool left, bool right) {
    m_left = left;
    m_right = right;
    m_changed();
}

void TBoardPointer::Press(QPoint point) {
    if (!m_boards.PublicBoardAccess() || m_boards.CurrentBoard() == kPrivateBoard)
        return;
    m_active = true;
    std::uint16_t kind = pkRight;
    if (!m_right && m_left)
        kind = pkLeft;
    else if (!m_right)
        SetButtons(false, true);
    Send(point, kind);
    Show(point, false, kind);
}

void TBoardPointer::Move(QPoint point) {
    if (!m_active)
        return;
    const std::uint16_t kind = m_left && !m_right ? pkLeft : pkRight;
    if (m_boards.PublicBoardAccess() && m_boards.CurrentBoard() > 0) {
        Send(point, kind);
        Show(point, false, kind);
    }
}

void TBoardPointer::Release(QPoint point) {
    if (!m_active)
        return;
    m_active = false;
    if (m_boards.PublicBoardAccess() && m_boards.CurrentBoard() > 0) {
        Send(point, pkHidden);
        Show(point, false, pkHidden);
    }
}

void TBoardPointer::Send(QPoint point, std::uint16_t kind) {
    // Coordinates go as they are; the wire keeps their low 16 bits.
    SendUnlessReplaying(m_context, cmPointer,
                        TPointerMessage{std::uint16_t(point.x()), std::uint16_t(point.y()),
                                        std::uint16_t(m_boards.CurrentBoard()), kind}
                            .encode());
}

void TBoardPointer::Show(QPoint point, bool scroll, std::uint16_t kind) {
    m_view.kind = kind == pkLeft || kind == pkRight ? kind : std::uint16_t(pkHidden);
    m_view.position = point;
    m_view.scrollIntoView = scroll && m_view.kind != pkHidden;
    m_changed();
}

void TBoardPointer::Receive(const TIncomingPacket& packet) {
    auto reader = packet.payload();
    const TPointerMessage m = TPointerMessage::decode(reader);
    if (!IsPublicBoard(m.board))
        return;
    m_access.SwitchBoard(m.board, true);
    Show({m.x, m.y}, true, m.kind);
}

void TBoardPointer::Reset() {
    m_active = false;
    m_view = {};
}

} // namespace orv
