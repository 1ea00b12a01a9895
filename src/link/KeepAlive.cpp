#include "link/KeepAlive.h"

#include "link/Dispatcher.h"
#include "link/LinkMessageIds.h"
#include "link/SessionSender.h"
#include "platform/AppMessage.h"

#include <QDebug>

namespace orv {

TKeepAlive::TKeepAlive(ISessionSender& sender, IMessageSink& mainWindow, ITimerFactory& timers)
    : m_sender(sender), m_mainWindow(mainWindow),
      m_heartBeat(timers.CreateTimer(TTimerMode::Repeating, [this] { SendHeartbeat(); })) {}

void TKeepAlive::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmProbe}, [this](const TIncomingPacket&) { SendHeartbeat(); });
}

void TKeepAlive::Start() {
    m_heartBeat->Start(kHeartbeatMs);
}

void TKeepAlive::Stop() {
    m_heartBeat->Stop();
}

void TKeepAlive::SendHeartbeat() {
    try {
        m_sender.Send(cmHeartbeat); // dropped while the connection is down
    } catch (const std::exception& e) {
        qWarning() << "heartbeat not queued:" << e.what();
        m_mainWindow.post(MainMsg::LinkState, LinkStateValue::HeartbeatFailed, 0);
    }
}

} // namespace orv
