#include "link/RoomEntrySequence.h"

#include "link/ErrorMessages.h"
#include "link/SessionState.h"
#include "link/SignInSession.h"
#include "platform/AppMessageIds.h"
#include "platform/Dialogs.h"
#include "platform/Progress.h"

#include <QDebug>

namespace orv {

TRoomEntrySequence::TRoomEntrySequence(TSignInSession& session, TSessionState& state,
                                       IMessageSink& mainWindow, IRoomEntryHooks& hooks, bool joinLinkStarted)
    : m_session(session), m_state(state), m_mainWindow(mainWindow), m_hooks(hooks),
      m_joinLinkStarted(joinLinkStarted) {}

void TRoomEntrySequence::Run(int resultCode) {
    m_hooks.ShowMainWindow();
    if (resultCode != 0) {
        m_session.Shell().Dialogs().Error(AccessDeniedMessage(resultCode));
        if (m_joinLinkStarted) {
            m_hooks.CloseMainWindow();
            return;
        }
        m_session.SetInRoom(false);
        m_session.RequestRoomList();
        m_mainWindow.post(MainMsg::LinkState, LinkStateValue::RoomEntryRefused, 0);
        return;
    }
    m_state.MarkEntered(QDateTime::currentDateTime());
    m_hooks.StartSessionClock();
    IProgress& progress = m_session.Shell().Progress();
    progress.Step(9, "Account validated...");
    m_session.Shell().SetRoomPanel(
        QString(" Room %1: %2").arg(m_state.room.Number()).arg(m_state.room.Name()));
    m_mainWindow.post(MainMsg::ShowChatPane, 0, 0);

    progress.Step(10, "Getting participants...");
    progress.Step(11, "Getting Virtual Room Info...");
    progress.Step(12, "Starting audio services...");
    try {
        entered();
    } catch (const std::exception& e) {
        // A failing step skips the rest; the user is in the room all the same.
        qWarning() << "room entry sequence stopped:" << e.what();
    }
}

void TRoomEntrySequence::entered() {
    IProgress& progress = m_session.Shell().Progress();
    m_mainWindow.post(MainMsg::ChatPermissions, 3, 0);
    progress.Step(14, "Loading whiteboards... Please wait...");
    progress.Step(14, "Loading whiteboards... Please wait...");
    m_hooks.RequestCurrentView();

    m_state.welcomePage = m_state.room.WelcomePage();
    if (!m_state.welcomePage.isEmpty())
        m_hooks.ShowWelcomePage(m_state.welcomePage);

    m_mainWindow.post(MainMsg::LinkState, LinkStateValue::Up, 0);
    m_hooks.BringToFront();
}

} // namespace orv
