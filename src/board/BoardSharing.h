#pragma once
// What keeps the room's five public boards alike besides the drawing batches: switching boards, the board
// lock, the right to draw on public boards and clearing for everybody here; the pointer, what is placed on
// boards and the histories in parts of their own, which this reaches and routes packets to. The board window
// drives the operations and shows the state; the handlers take the server's packets.

#include "board/BoardHistoryLoader.h"
#include "board/BoardPlacements.h"
#include "board/BoardPointer.h"
#include "board/Whiteboard.h"
#include "protocol/BoardSharingMessages.h"
#include "protocol/IncomingPacket.h"
#include "session/BoardAccess.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace orv {

class IMessageSink;
class IParticipantMarks;
class IResourceTransfers;
struct TSessionContext;

class TBoardSharing final : public IBoardAccess {
    Q_DECLARE_TR_FUNCTIONS(orv::TBoardSharing)

public:
    // What the windows do for the sharing; each may be left empty.
    struct Hooks {
        std::function<bool()> boardViewVisible;      // the board window is on screen
        std::function<void()> showBoardView;         // brings the whiteboard view of the main window forward
        std::function<void(bool commit)> endTextBox; // an open text box ends, committed or dropped
        std::function<void()> changed;               // current board, lock, access or pointer changed
    };

    // `boardWindow` takes the board window's messages (BoardMsg).
    TBoardSharing(TSessionContext& context, Whiteboard& boards, IMessageSink& boardWindow);

    void SetHooks(Hooks hooks) { m_hooks = std::move(hooks); }
    // Library images and slides named in a board history download through these, into `temporaryFolder`.
    void SetTransfers(IResourceTransfers* transfers, const QString& temporaryFolder);
    // The participant list's load marks, hidden when a picture is placed for everybody.
    void SetMarks(IParticipantMarks* marks) { m_placements.SetMarks(marks); }

    std::uint16_t BoardLockHolder() const;
    bool HoldsLock() const override;
    std::int32_t CurrentBoard() const override { return m_boards.CurrentBoard(); }
    bool PublicBoardAccess() const { return m_boards.PublicBoardAccess(); }
    void SetPublicBoardAccess(bool access);
    // The Lock Board action and the drawing tool bar.
    bool LockBoardChecked() const { return m_lockChecked; }
    bool LockBoardEnabled() const;
    bool DrawingToolbarVisible() const;
    bool ClearBoardEnabled() const;
    // While a board history is read the boards do not take the mouse.
    bool LoadingHistory() const { return m_history.Loading(); }
    const TPointerView& Pointer() const { return m_pointer.View(); }

    // Makes a board current; the lock holder's choice of a public board, with `announce`, brings everybody
    // to the whiteboard view and that board.
    void SwitchBoard(int board, bool announce) override;
    // Asks for the lock, or gives it back when held (an open text box is committed first).
    void ExecuteLockBoard();
    // The Clear Board action: asks, then clears the private board, or the current public board for
    // everybody when the lock is held; refuses otherwise.
    void ExecuteClearBoard();
    // Clears a board here and, when the lock is held and a public board is current, for everybody.
    void ClearBoard(int board);

    // The pointer tool bar buttons (ptLeft, ptRight) and the right mouse button on a board.
    void SetPointerButtons(bool left, bool right) { m_pointer.SetButtons(left, right); }
    bool PointerLeftDown() const { return m_pointer.LeftDown(); }
    bool PointerRightDown() const { return m_pointer.RightDown(); }
    void PointerPress(QPoint point) { m_pointer.Press(point); }
    void PointerMove(QPoint point) { m_pointer.Move(point); }
    void PointerRelease(QPoint point) { m_pointer.Release(point); }
    bool PointerActive() const { return m_pointer.Active(); }
    void SendPointer(QPoint point, std::uint16_t kind) { m_pointer.Send(point, kind); }
    void ShowPointer(QPoint point, bool scroll, std::uint16_t kind) { m_pointer.Show(point, scroll, kind); }

    // A committed text box on a public board; false when nothing was sent.
    bool SendBoardText(const QString& text, const QString& fontName, int points, TColor color, int board,
                       const QRect& rect) {
        return m_placements.SendText(text, fontName, points, color, board, rect);
    }
    // An image placed on a board, sent as JPEG; false when it could not be encoded or sent.
    bool SendBoardImage(const QImage& image, const QRect& rect, int board) {
        return m_placements.SendImage(image, rect, board);
    }
    void RequestBoardHistory(int board) { m_history.Request(board); }

    // Room entry: the five histories, then where the room's boards are.
    void RequestBoards(int first, int last);
    void ReportCurrentBoard();
    // The session ends: nobody holds the lock, no access, every board white.
    void LeaveSession();

    // The packets of the sharing, live or replayed.
    void Receive(const TIncomingPacket& packet);
    // Playback: a recorded document, image, picture or slide download (19, 21, 35, 54).
    void ReceiveRecordedResource(const TIncomingPacket& packet) {
        m_placements.ReceiveRecordedResource(packet);
    }
    // The board-history-progress message: count 0 or less ends the loading of `board`.
    void ShowLoading(int board, int count) { m_history.ShowLoading(board, count); }

private:
    void onLock(const TIncomingPacket& packet);
    void onUnlock();
    void onAccess(const TIncomingPacket& packet);
    void takeSelectTool();
    void changed();
    bool connectedSend(std::uint16_t command, const QByteArray& payload = {});

    TSessionContext& m_context;
    Whiteboard& m_boards;
    IMessageSink& m_boardWindow;
    Hooks m_hooks;
    bool m_lockChecked = false;
    TBoardPointer m_pointer;
    TBoardPlacements m_placements;
    TBoardHistoryLoader m_history;
};

} // namespace orv
