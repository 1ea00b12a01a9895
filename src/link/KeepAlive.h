#pragma once
// The control connection's keep-alive: a header-only heartbeat every 30 seconds while the reader runs, and
// one at once for every probe of the server. A heartbeat that cannot be queued reports the link lost.

#include "platform/Timer.h"

#include <memory>

namespace orv {

class IMessageSink;
class ISessionSender;
class TPacketDispatcher;

class TKeepAlive {
public:
    static constexpr std::uint32_t kHeartbeatMs = 30000;

    TKeepAlive(ISessionSender& sender, IMessageSink& mainWindow, ITimerFactory& timers);

    // cmProbe.
    void RegisterHandlers(TPacketDispatcher& dispatcher);
    // `tmrHeartBeat` on and off; the session link runs it with its reader.
    void Start();
    void Stop();
    bool Running() const { return m_heartBeat->IsActive(); }

    // Queues cmHeartbeat when the connection is up; an error while queuing posts the link state 2.
    void SendHeartbeat();

private:
    ISessionSender& m_sender;
    IMessageSink& m_mainWindow;
    std::unique_ptr<ITimer> m_heartBeat; // tmrHeartBeat
};

} // namespace orv
