#include "board/BoardModule.h"

#include "board/BoardMessageIds.h"
#include "board/BoardWindow.h"
#include "link/Dispatcher.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/Dialogs.h"
#include "session/MainPanes.h"
#include "session/SessionContext.h"
#include "session/Settings.h"

#include <QAction>

namespace orv {

namespace {

constexpr std::int32_t kBoardView = 0; // the main window's whiteboard view

} // namespace

TBoardModule::TBoardModule(TSessionContext& context)
    : m_context(context), m_boards([&context](std::uint16_t command, const QByteArray& payload) {
          return context.sender.Send(command, payload);
      }),
      m_gesture(m_boards), m_sharing(context, m_boards, m_mailbox.Sink()),
      m_tools(context, m_boards, m_gesture, m_sharing, m_mailbox.Sink()) {
    m_lockBoard = new QAction(tr("Lock Board"));
    m_lockBoard->setObjectName("acCaptureBoard");
    m_lockBoard->setCheckable(true);
    m_lockBoard->setToolTip(tr("Lock the whiteboard for drawing and slides"));
    m_lockBoard->setStatusTip(m_lockBoard->toolTip());
    // The check mark follows the sharing's state, never the click alone.
    QObject::connect(m_lockBoard, &QAction::triggered, m_lockBoard, [this] { m_sharing.ExecuteLockBoard(); });
    m_window = new TfrmBoard(m_boards, m_tools, m_sharing, context.dialogs, BoardGesture::kDefaultGridSize,
                             m_lockBoard);
    context.panes.InstallView(kBoardView, m_window);
    m_sharing.SetHooks({[this] { return m_window && m_window->isVisible(); },
                        [this] {
                            if (m_showBoardView)
                                m_showBoardView();
                        },
                        [this](bool commit) { m_tools.LeaveTool(BoardKind::Select, commit); },
                        [this] { updateActions(); }});
    updateActions();

    m_mailbox.Router().Register(BoardMsg::CreateTextBox, [this](std::intptr_t x, std::intptr_t y) {
        m_tools.CreateTextBox(QPoint(int(x), int(y)));
    });
    m_mailbox.Router().Register(BoardMsg::TextBoxEnded, [this](std::intptr_t, std::intptr_t cancel) {
        m_tools.LeaveTool(BoardKind::Select, cancel == 0);
    });
    m_mailbox.Router().Register(BoardMsg::TextBoxEnter, [this](std::intptr_t which, std::intptr_t) {
        if (which == 0)
            m_tools.LeaveTool(BoardKind::Select, true);
    });

    m_mailbox.Router().Register(BoardMsg::PermissionRefused, [this](std::intptr_t, std::intptr_t) {
        m_context.dialogs.Error(TBoardSharing::tr("You do not have permission to access the whiteboard."));
    });
    m_mailbox.Router().Register(BoardMsg::AccessGranted, [this](std::intptr_t, std::intptr_t) {
        m_context.dialogs.Information(
            TBoardSharing::tr("Your access to the white board is granted.\r\nYou can "
                              "use the Lock Board button to gain access over the board."));
    });
}

TfrmBoard* TBoardModule::Window() const {
    return m_window.data();
}

TBoardModule::~TBoardModule() {
    m_tools.SaveDrawingDefaults();
}

void TBoardModule::SetShowBoardView(std::function<void()> show) {
    m_showBoardView = std::move(show);
}

void TBoardModule::updateActions() {
    m_lockBoard->setChecked(m_sharing.LockBoardChecked());
    m_lockBoard->setEnabled(m_sharing.LockBoardEnabled());
    m_tools.NotifyChanged();
}

void TBoardModule::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmBoardDrawing}, [this](const TIncomingPacket& packet) {
        auto reader = packet.payload();
        const TBoardDrawingBatch batch = TBoardDrawingBatch::decode(reader);
        if (IsPublicBoard(batch.board) && batch.board != m_boards.CurrentBoard())
            m_sharing.SwitchBoard(batch.board, true);
        m_boards.ReceiveBatch(batch);
    });
    dispatcher.RegisterHandler({cmLockBoard, cmUnlockBoard, cmGiveBoard, cmBanBoard, cmPointer,
                                cmBoardTextAnsi, cmBoardImage, cmLoadBoard, cmClearBoard, cmShowBoard,
                                cmShowBoardHolder, cmShowSlide, cmShowLibraryImage, cmBoardText},
                               [this](const TIncomingPacket& packet) { m_sharing.Receive(packet); });
}

void TBoardModule::RegisterMessages(TMessageRouter& mainWindow) {
    mainWindow.Register(MainMsg::BoardGranted, [this](std::intptr_t, std::intptr_t) {
        m_sharing.SwitchBoard(m_boards.CurrentBoard(), true);
    });
    mainWindow.Register(MainMsg::BoardLoading, [this](std::intptr_t board, std::intptr_t count) {
        m_sharing.ShowLoading(int(board), int(count));
    });
}

void TBoardModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    // Moderators may draw on the public boards from the start; others are given it by a moderator. Who holds
    // the lock comes with the room record, after the room reset cleared it.
    steps.Add(TRoomEntryStep::Rights, [this] {
        m_sharing.SetPublicBoardAccess(m_context.state.IsModerator());
        m_context.state.boardHolder = m_context.state.room.BoardHolder();
    });
    steps.Add(TRoomEntryStep::Boards, [this] { m_sharing.RequestBoards(1, 4); });
    steps.Add(TRoomEntryStep::LastBoard, [this] { m_sharing.RequestBoardHistory(5); });
    steps.Add(TRoomEntryStep::CurrentBoard, [this] { m_sharing.ReportCurrentBoard(); });
}

void TBoardModule::OwnRoleChanged() {
    m_sharing.SetPublicBoardAccess(m_context.state.OwnBoardAllowed);
}

void TBoardModule::EndSession() {
    m_sharing.LeaveSession();
}

void TBoardModule::ApplySettings(const TSettings& settings) {
    m_gesture.SetGridSize(settings.BoardGridSize);
    m_tools.SetTextDefaults({settings.TextBoxFont.isEmpty() ? QStringLiteral("Arial") : settings.TextBoxFont,
                             settings.TextBoxFontSize > 0 ? settings.TextBoxFontSize : 12,
                             settings.TextBoxFontColor});
    if (m_window)
        m_window->SetGridSize(settings.BoardGridSize);
    if (m_boardsPrepared)
        return;
    m_boards.InitBoards(settings.DefPenWidth, settings.DefPenColor);
    m_tools.ApplyDrawingDefaults(m_boards.ToolbarPenWidth(), m_boards.ToolbarPenColor());
    m_boardsPrepared = true;
}

} // namespace orv
