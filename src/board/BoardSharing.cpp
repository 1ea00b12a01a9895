#include "board/BoardSharing.h"

#include "board/BoardLiveSend.h"
#include "board/BoardMessageIds.h"
#include "platform/AppMessage.h"
#include "platform/Dialogs.h"
#include "platform/Progress.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/SessionMessages.h"
#include "session/RoomEvents.h"

namespace orv {

namespace {

constexpr std::int32_t kWhiteboardView = 0;

} // namespace

TBoardSharing::TBoardSharing(TSessionContext& context, Whiteboard& boards, IMessageSink& boardWindow)
    : m_context(context), m_boards(boards), m_boardWindow(boardWindow),
      m_pointer(context, boards, *this, [this] { changed(); }), m_placements(context, boards, *this),
      m_history(context, boards, [this] { changed(); }) {}

void TBoardSharing::SetTransfers(IResourceTransfers* transfers, const QString& temporaryFolder) {
    m_history.SetTransfers(transfers, temporaryFolder);
    m_placements.SetTemporaryFolder(temporaryFolder);
}

std::uint16_t TBoardSharing::BoardLockHolder() const {
    return m_context.state.boardHolder;
}

bool TBoardSharing::HoldsLock() const {
    return BoardLockHolder() != 0 && BoardLockHolder() == m_context.state.account.UserId();
}

void TBoardSharing::SetPublicBoardAccess(bool access) {
    m_boards.SetPublicBoardAccess(access);
    m_context.state.OwnBoardAllowed = access;
    changed();
}

bool TBoardSharing::LockBoardEnabled() const {
    return PublicBoardAccess() && m_boards.CurrentBoard() > 0;
}

bool TBoardSharing::DrawingToolbarVisible() const {
    return m_boards.CurrentBoard() == kPrivateBoard || PublicBoardAccess();
}

bool TBoardSharing::ClearBoardEnabled() const {
    return m_boards.CurrentBoard() == kPrivateBoard || (PublicBoardAccess() && HoldsLock());
}

bool TBoardSharing::connectedSend(std::uint16_t command, const QByteArray& payload) {
    return SendUnlessReplaying(m_context, command, payload);
}

void TBoardSharing::changed() {
    if (m_hooks.changed)
        m_hooks.changed();
}

void TBoardSharing::takeSelectTool() {
    m_boards.SetDrawTool(BoardKind::Select);
}

void TBoardSharing::SwitchBoard(int board, bool announce) {
    if (!IsBoardIndex(board))
        return;
    if (m_hooks.showBoardView && !(m_hooks.boardViewVisible && m_hooks.boardViewVisible()))
        m_hooks.showBoardView();
    if (HoldsLock() && board > 0 && announce) {
        connectedSend(cmSetView, TViewMessage{kWhiteboardView}.encode());
        connectedSend(cmShowBoardHolder, TBoardIndexMessage{board}.encode());
    }
    const int current = m_boards.CurrentBoard();
    if (board == current)
        return;
    // An open text box is committed, as typed, on the board it was opened on before another board shows;
    // left open it would be drawn and sent on whichever board is current when it ends.
    if (m_hooks.endTextBox)
        m_hooks.endTextBox(true);
    m_boards.Board(board).SetPen(m_boards.Board(current).Pen());
    m_boards.Board(board).SetBrush(m_boards.Board(current).Brush());
    m_boards.SetCurrentBoard(board);
    takeSelectTool();
    changed();
}

void TBoardSharing::ExecuteLockBoard() {
    m_lockChecked = !m_lockChecked; // at once; the server's answer settles it
    bool sent;
    if (HoldsLock()) {
        if (m_hooks.endTextBox)
            m_hooks.endTextBox(true);
        sent = connectedSend(cmUnlockBoard);
    } else {
        sent = connectedSend(cmLockBoard);
    }
    if (!sent) // no answer will come
        m_lockChecked = !m_lockChecked;
    changed();
}

void TBoardSharing::ExecuteClearBoard() {
    const QString proceed = tr("Press OK to continue or Cancel to do nothing.");
    const int board = m_boards.CurrentBoard();
    if (board == kPrivateBoard) {
        if (m_context.dialogs.Confirm(tr("This operation will clear your private board.") + "\r\n" + proceed))
            ClearBoard(kPrivateBoard);
    } else if (PublicBoardAccess() && HoldsLock()) {
        if (m_context.dialogs.Confirm(tr("This operation will clear the current board for all users.") +
                                      "\r\n" + proceed))
            ClearBoard(board);
    } else {
        m_context.dialogs.Error(tr("You do not have permission to access the whiteboard."));
    }
    takeSelectTool();
    changed();
}

void TBoardSharing::ClearBoard(int board) {
    if (!IsBoardIndex(board))
        return;
    m_boards.ClearBoardImage(board);
    if (HoldsLock() && m_boards.CurrentBoard() != kPrivateBoard && board != kPrivateBoard)
        connectedSend(cmClearBoard, TBoardIndexMessage{board}.encode());
}

void TBoardSharing::RequestBoards(int first, int last) {
    for (int board = first; board <= last; ++board)
        RequestBoardHistory(board);
}

void TBoardSharing::ReportCurrentBoard() {
    connectedSend(HoldsLock() ? cmShowBoardHolder : cmShowBoard,
                  TBoardIndexMessage{m_boards.CurrentBoard()}.encode());
}

void TBoardSharing::LeaveSession() {
    m_boards.SetPublicBoardAccess(false);
    m_context.state.OwnBoardAllowed = false;
    m_context.state.boardHolder = 0;
    m_lockChecked = false;
    m_pointer.Reset();
    takeSelectTool();
    for (int board = 0; board < kBoardCount; ++board)
        m_boards.ClearBoardImage(board);
    changed();
}

void TBoardSharing::Receive(const TIncomingPacket& packet) {
    auto reader = packet.payload();
    switch (packet.header.Command) {
    case cmLockBoard:
        onLock(packet);
        break;
    case cmUnlockBoard:
        onUnlock();
        break;
    case cmGiveBoard:
    case cmBanBoard:
        onAccess(packet);
        break;
    case cmPointer:
        m_pointer.Receive(packet);
        break;
    case cmBoardText:
    case cmBoardTextAnsi:
    case cmBoardImage:
    case cmShowSlide:
    case cmShowLibraryImage:
        m_placements.Receive(packet);
        break;
    case cmLoadBoard:
        m_history.Receive(packet);
        break;
    case cmClearBoard: {
        const std::int32_t board = TBoardIndexMessage::decode(reader).board;
        if (IsPublicBoard(board)) // never the private board, which is nobody else's
            m_boards.ClearBoardImage(board);
        break;
    }
    case cmShowBoard:
    case cmShowBoardHolder:
        SwitchBoard(TBoardIndexMessage::decode(reader).board, false);
        m_context.progress.Hide();
        break;
    default:
        break;
    }
}

void TBoardSharing::onLock(const TIncomingPacket& packet) {
    const std::uint16_t user = packet.header.UserId;
    const bool local = user == m_context.state.account.UserId();
    if (packet.header.ResultCode != 0) {
        // A refusal leaves the lock with whoever holds it.
        if (local) {
            m_boardWindow.post(BoardMsg::PermissionRefused, 0, 0);
            m_lockChecked = false;
            changed();
        }
        return;
    }
    m_lockChecked = local;
    if (local)
        m_context.mainWindow.post(MainMsg::BoardGranted, 0, 0);
    m_context.state.boardHolder = user;
    if (m_hooks.endTextBox)
        m_hooks.endTextBox(false);
    takeSelectTool();
    changed();
}

void TBoardSharing::onUnlock() {
    m_lockChecked = false;
    m_context.state.boardHolder = 0;
    if (m_hooks.endTextBox)
        m_hooks.endTextBox(false);
    takeSelectTool();
    changed();
}

void TBoardSharing::onAccess(const TIncomingPacket& packet) {
    if (packet.header.ResultCode != 0)
        return; // a refused grant changed nobody's right
    auto reader = packet.payload();
    const std::uint16_t user = TBoardAccessMessage::decode(reader).userId;
    const bool granted = packet.header.Command == cmGiveBoard;
    // The participant's entry shows the right at once, as the status list would on the next refresh.
    m_context.events.boardRight.Raise(user, granted);
    if (user == m_context.state.account.UserId()) {
        SetPublicBoardAccess(granted);
        if (granted)
            m_boardWindow.post(BoardMsg::AccessGranted, 0, 0);
    }
    takeSelectTool();
    changed();
}

} // namespace orv
