#pragma once
// The whiteboard as a session module: the drawing packets, the boards' sharing with the room (lock, access,
// pointer, text, images, slides, histories), the boards' preparation with the user's pen settings, and the
// gesture logic the board window drives.

#include "board/BoardGesture.h"
#include "board/BoardSharing.h"
#include "board/BoardTools.h"
#include "board/Whiteboard.h"
#include "platform/Mailbox.h"
#include "session/Module.h"

#include <QCoreApplication>
#include <QPointer>

class QAction;

namespace orv {

class IParticipantMarks;
class IResourceTransfers;
class TSettingsStore;
class TfrmBoard;
struct TSessionContext;

class TBoardModule final : public ISessionModule {
    Q_DECLARE_TR_FUNCTIONS(orv::TBoardModule)

public:
    explicit TBoardModule(TSessionContext& context);
    // The pen of the drawing tool bar is written to the settings.
    ~TBoardModule() override;

    void RegisterHandlers(TPacketDispatcher& dispatcher) override;
    void RegisterMessages(TMessageRouter& mainWindow) override;
    void RegisterRoomEntry(TRoomEntrySteps& steps) override;
    // Leaving the room: no lock, no access, every board white.
    void EndSession() override;
    // A replay going back to its start begins from white boards, as a new session would.
    void ResetRoom() override { m_sharing.LeaveSession(); }
    // A promoted user may use the public boards, a demoted one no longer.
    void OwnRoleChanged() override;
    std::optional<TSettingOwner> SettingsOwner() const override { return TSettingOwner::Board; }
    // The first call prepares the boards with the pen settings; every call takes the snap grid.
    void ApplySettings(const TSettings& settings) override;

    // Library images and slides of the board histories download through the transfers.
    void SetTransfers(IResourceTransfers* transfers, const QString& temporaryFolder) {
        m_sharing.SetTransfers(transfers, temporaryFolder);
        m_tools.SetTransfers(transfers, temporaryFolder);
    }
    // Where the text box's font and the drawing pen are remembered.
    void SetStore(TSettingsStore* store) { m_tools.SetStore(store); }
    void SetMarks(IParticipantMarks* marks) { m_sharing.SetMarks(marks); }
    // How the whiteboard view is brought forward, for board switches.
    void SetShowBoardView(std::function<void()> show);

    Whiteboard& Boards() { return m_boards; }
    BoardGesture& Gesture() { return m_gesture; }
    TBoardSharing& Sharing() { return m_sharing; }
    // The current board and board switches, for other subsystems.
    TMailbox& Mailbox() { return m_mailbox; }
    TBoardTools& Tools() { return m_tools; }
    // The board window, the whiteboard view; null once the main window has destroyed it.
    TfrmBoard* Window() const;
    // acCaptureBoard, "Lock Board", on the board window's tool bar.
    QAction* LockBoardAction() const { return m_lockBoard; }

private:
    void updateActions();

    TSessionContext& m_context;
    Whiteboard m_boards;
    BoardGesture m_gesture;
    TMailbox m_mailbox; // the board window's messages (BoardMsg)
    TBoardSharing m_sharing;
    TBoardTools m_tools;
    QAction* m_lockBoard = nullptr; // owned by the board window
    QPointer<TfrmBoard> m_window;   // owned by the main window
    std::function<void()> m_showBoardView;
    bool m_boardsPrepared = false;
};

} // namespace orv
