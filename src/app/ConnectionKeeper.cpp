#include "app/ConnectionKeeper.h"

#include "link/Dispatcher.h"
#include "link/LinkMessageIds.h"
#include "link/SessionState.h"
#include "platform/AppMessage.h"
#include "platform/DesktopNotifier.h"
#include "platform/Dialogs.h"
#include "platform/MessageRouter.h"
#include "session/MainPanes.h"
#include "session/RoomEvents.h"
#include "session/RoomNotices.h"
#include "session/SessionContext.h"
#include "session/Settings.h"

#include <QDebug>

#include <algorithm>

namespace orv {
namespace {

constexpr int kLossBeepHz = 700;
constexpr int kLossBeepMs = 30;

} // namespace

ConnectionKeeper::ConnectionKeeper(IConnectionShell& shell, TSessionContext& context, ITimerFactory& timers)
    : m_shell(shell), m_context(context),
      m_killSession(timers.CreateTimer(TTimerMode::SingleShot, [this] { m_shell.CloseWithoutQuestion(); })),
      m_pause(timers.CreateTimer(TTimerMode::SingleShot, [this] { restart(); })),
      m_countdown(timers.CreateTimer(TTimerMode::Repeating, [this] { tick(); })) {}

void ConnectionKeeper::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmDuplicateSignIn}, [this](const TIncomingPacket&) { OnDuplicateSignIn(); });
}

void ConnectionKeeper::RegisterMessages(TMessageRouter& mainWindow) {
    mainWindow.Register(MainMsg::LinkState,
                        [this](std::intptr_t value, std::intptr_t) { OnLinkState(int(value)); });
    m_context.events.removed.Listen([this](std::uint16_t) { StopAutomaticReconnection(); });
}

void ConnectionKeeper::ApplySettings(const TSettings& settings) {
    m_automatic = settings.AutoReconnect;
    m_notifications = settings.DesktopNotifications;
    if (!m_automatic)
        StopAutomaticReconnection();
}

int ConnectionKeeper::PauseBeforeAttempt(int attempt) {
    return attempt >= 5 ? kLongestPauseSeconds : std::min(kLongestPauseSeconds, 1 << std::max(0, attempt));
}

void ConnectionKeeper::OnLinkState(int value) {
    if (m_context.state.IsPlayback())
        return; // a recording has no link to lose
    if (value == LinkStateValue::Up) {
        // The up state of a session already known lost (the loss came while its room was entered) is stale:
        // a reconnection's own entry reports the link up while it enters.
        if (m_phase == Phase::Entering || m_linkState == 0)
            linkUp();
        return;
    }
    qInfo() << "connection: lost with state" << value;
    if (value < 0 || (!m_wasUp && !m_context.state.inRoom))
        return; // before a room is entered the sign-in takes care of a loss
    if (m_phase == Phase::Pausing)
        return; // the old session's reader and writer ending
    if (m_phase == Phase::Entering) {
        failedReset(value); // the new session broke off before the room was entered
        return;
    }
    const bool newLoss = m_linkState == 0 && m_context.state.inRoom;
    m_linkState = value;
    m_shell.ShowReconnectButton(m_linkState > 0);
    if (newLoss)
        reportLoss(value);
}

void ConnectionKeeper::reportLoss(int value) {
    m_lostSinceUp = true;
    m_context.notices.AddChatLine(
        0, tr("System"), TChatLineKind::System, kRed,
        tr("Your connection to the server was lost. Please try to reconnect using the \"Reset Connection\" "
           "button at the bottom of the window. [ErrID:") +
            QString::number(value) + "]");
    m_context.events.conversationWanted.Raise(ckPublic, 0);
    m_context.notices.Beep(kLossBeepHz, kLossBeepMs);
    m_killSession->Start(kKillSessionMs);
    if (m_notifications && !m_context.panes.IsMainWindowActive())
        m_context.desktop.Notify(tr("Orvane Live Browser"), tr("Your connection to the server was lost."),
                                 [&panes = m_context.panes] { panes.RaiseMainWindow(); });
    m_attempt = 0;
    scheduleAttempt();
}

void ConnectionKeeper::linkUp() {
    const bool wasLost = m_lostSinceUp;
    m_wasUp = true;
    m_byUser = false;
    m_phase = Phase::Idle;
    m_linkState = 0;
    m_lostSinceUp = false;
    m_automaticStopped = false;
    m_attempt = 0;
    m_killSession->Stop();
    m_countdown->Stop();
    m_shell.ShowReconnectButton(false);
    m_shell.ShowReconnectCountdown(QString());
    if (wasLost)
        m_context.notices.AddChatLine(0, tr("System"), TChatLineKind::System, kSystemLineColor,
                                      tr("You are connected to the session again."));
}

void ConnectionKeeper::AskToReconnect() {
    if (m_context.state.IsPlayback() || Resetting())
        return;
    m_countdown->Stop(); // the user's answer comes first
    if (!m_context.dialogs.Question(tr("Do you want to reconnect to the session?"))) {
        scheduleAttempt();
        return;
    }
    m_byUser = true;
    ResetConnection();
}

void ConnectionKeeper::ResetConnection() {
    if (Resetting())
        return;
    m_shell.SetBusyCursor(true);
    // The user's reset gives ten more minutes; an automatic one keeps the deadline of the loss.
    if (m_byUser)
        m_killSession->Stop();
    m_countdown->Stop();
    m_shell.ShowReconnectCountdown(m_byUser ? QString() : tr("Reconnecting..."));
    m_room = m_context.state.account.Room();
    m_phase = Phase::Pausing;
    qInfo() << "connection: reconnecting into room" << m_room
            << (m_byUser ? "as the user asked" : "by itself");
    try {
        m_shell.StopSession();
    } catch (const std::exception&) {
        // ended as far as it goes; the new session starts all the same
    }
    m_shell.SetBusyCursor(false);
    m_pause->Start(kResetPauseMs);
}

void ConnectionKeeper::restart() {
    if (m_phase == Phase::Pausing) {
        m_shell.SetBusyCursor(true);
        TRestart result = TRestart::Ended;
        try {
            result = m_shell.RestartSession();
        } catch (const std::exception&) {
            result = TRestart::Unreachable;
        }
        m_shell.SetBusyCursor(false);
        qInfo() << "connection: signed in again:" << int(result);
        if (result == TRestart::Ended) {
            m_phase = Phase::Idle;
            m_automaticStopped = true; // the program ends as after a refused first sign-in
            m_shell.ShowReconnectCountdown(QString());
            return;
        }
        if (result == TRestart::Unreachable) {
            failedReset(LinkStateValue::ReaderEnded);
            return;
        }
        m_phase = Phase::Entering;
        m_pause->Start(kResetPauseMs); // the video port is asked for in between
        return;
    }
    if (m_phase == Phase::Entering) {
        m_shell.ShowReconnectCountdown(QString());
        m_shell.EnterRoom(m_room); // its sequence reports the link up
    }
}

void ConnectionKeeper::failedReset(int value) {
    qInfo() << "connection: the reconnection failed:" << value;
    m_phase = Phase::Idle;
    m_pause->Stop();
    const bool byUser = m_byUser;
    m_byUser = false;
    m_shell.ShowReconnectCountdown(QString());
    if (value == LinkStateValue::RoomEntryRefused)
        m_automaticStopped = true; // the room list, or the end of a join link, follows
    if (m_linkState == 0) {
        // A reset from a working link that could not start again: now it is a loss.
        m_linkState = value;
        m_shell.ShowReconnectButton(true);
        reportLoss(value);
        return;
    }
    m_linkState = value;
    m_shell.ShowReconnectButton(true);
    if (byUser || !m_killSession->IsActive())
        m_killSession->Start(kKillSessionMs);
    ++m_attempt;
    scheduleAttempt();
}

bool ConnectionKeeper::mayReconnectAutomatically() const {
    return m_automatic && !m_automaticStopped && m_linkState > 0 && !Resetting() &&
           !m_context.state.IsPlayback();
}

void ConnectionKeeper::scheduleAttempt() {
    if (!mayReconnectAutomatically()) {
        m_shell.ShowReconnectCountdown(QString());
        return;
    }
    m_secondsLeft = PauseBeforeAttempt(m_attempt);
    m_shell.ShowReconnectCountdown(tr("Reconnecting in %n s", nullptr, m_secondsLeft));
    m_countdown->Start(1000);
}

void ConnectionKeeper::tick() {
    if (!mayReconnectAutomatically()) {
        m_countdown->Stop();
        return;
    }
    if (--m_secondsLeft > 0) {
        m_shell.ShowReconnectCountdown(tr("Reconnecting in %n s", nullptr, m_secondsLeft));
        return;
    }
    m_countdown->Stop();
    m_byUser = false;
    ResetConnection();
}

void ConnectionKeeper::StopAutomaticReconnection() {
    m_automaticStopped = true;
    m_countdown->Stop();
    m_shell.ShowReconnectCountdown(QString());
}

void ConnectionKeeper::OnDuplicateSignIn() {
    StopAutomaticReconnection();
    m_context.dialogs.Information(
        tr("You were disconnected from the server because \r\nanother user with your ID has just logged in"));
}

} // namespace orv
