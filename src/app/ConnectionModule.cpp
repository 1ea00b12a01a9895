#include "app/ConnectionModule.h"

#include "app/MainWindow.h"
#include "link/SessionLink.h"
#include "link/SessionState.h"
#include "session/SessionContext.h"

#include <QGuiApplication>

namespace orv {

TConnectionModule::TConnectionModule(TfMain& main, TSessionContext& context, TSessionLink& link,
                                     ISessionRestarter& signIn, std::function<void()> endSession,
                                     ITimerFactory& timers)
    : m_main(main), m_context(context), m_link(link), m_signIn(signIn), m_endSession(std::move(endSession)),
      m_keepAlive(context.sender, context.mainWindow, timers), m_keeper(*this, context, timers) {
    m_link.AttachKeepAlive(&m_keepAlive);
    QObject::connect(&m_main, &TfMain::reconnectRequested, &m_receiver,
                     [this] { m_keeper.AskToReconnect(); });
    QObject::connect(&m_main, &TfMain::autoReconnectStopped, &m_receiver,
                     [this] { m_keeper.StopAutomaticReconnection(); });
    m_main.SetResetConnectionEnabled(!context.state.IsPlayback());
}

TConnectionModule::~TConnectionModule() {
    m_link.AttachKeepAlive(nullptr);
    SetBusyCursor(false);
}

void TConnectionModule::RegisterHandlers(TPacketDispatcher& dispatcher) {
    m_keepAlive.RegisterHandlers(dispatcher);
    m_keeper.RegisterHandlers(dispatcher);
}

void TConnectionModule::ShowReconnectButton(bool shown) {
    m_main.ShowReconnect(shown && !m_context.state.IsPlayback());
}

void TConnectionModule::ShowReconnectCountdown(const QString& text) {
    m_main.ShowReconnectCountdown(text);
}

void TConnectionModule::SetBusyCursor(bool busy) {
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void TConnectionModule::CloseWithoutQuestion() {
    m_main.ForceClose();
}

TRestart TConnectionModule::RestartSession() {
    return m_signIn.RestartSession();
}

void TConnectionModule::EnterRoom(std::int32_t room) {
    m_signIn.EnterRoom(room);
}

} // namespace orv
