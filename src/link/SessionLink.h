#pragma once
// The session module's side of the control connection: starting and stopping the reader and the writer,
// the declared connection speed and the uplink budget, and queueing packets.

#include "link/Dispatcher.h"
#include "link/ReaderThread.h"
#include "link/WriterThread.h"
#include "platform/AppMessage.h"
#include "platform/ByteChannel.h"
#include "platform/Clock.h"
#include "platform/MainThreadHandover.h"
#include "protocol/Constants.h"

#include <memory>

namespace orv {

class TKeepAlive;

class TSessionLink {
public:
    // `mainContext` lives on the main thread, where packets are dispatched.
    TSessionLink(IByteChannel& connection, TPacketDispatcher& dispatcher, IMessageSink& window,
                 QObject* mainContext, IClock& clock = SystemClock::instance());
    ~TSessionLink();

    // Starts the reader, and the heartbeat with it.
    void StartReader();
    // Stops the heartbeat, disconnects the connection, then ends the reader; never waits on the main thread.
    void StopReader();
    // The heartbeat that runs with the reader; none to run without.
    void AttachKeepAlive(TKeepAlive* keepAlive) { m_keepAlive = keepAlive; }
    // Creates the writer at the declared speed and applies SetConnectionSpeed.
    void StartWriter();
    void StopWriter();

    // rate = v / 3 rounded to the nearest integer; the uplink budget follows it.
    void SetConnectionSpeed(std::int32_t bytesPerSecond);
    std::int32_t ConnectionSpeed() const { return m_connectionSpeed; }
    std::int32_t OverflowSize() const { return m_overflowSize; }
    void SetOverflowSize(std::int32_t bytes) { m_overflowSize = bytes; }

    // Queues one whole packet; dropped silently while the connection is down or no writer runs.
    bool Send(const QByteArray& packet);
    TVCRWriterThread* Writer() { return m_writer.get(); }
    // A writer runs and the connection is open: what is queued now will be sent.
    bool Up() const { return m_writer && m_connection.isConnected(); }
    bool ReaderRunning() const { return m_reader != nullptr; }

private:
    IByteChannel& m_connection;
    TPacketDispatcher& m_dispatcher;
    IMessageSink& m_window;
    IClock& m_clock;
    MainThreadHandover m_handover;
    std::unique_ptr<TReaderThread> m_reader;
    std::unique_ptr<TVCRWriterThread> m_writer;
    TKeepAlive* m_keepAlive = nullptr;
    std::int32_t m_connectionSpeed = kDefaultConnectionSpeed;
    std::int32_t m_overflowSize = 0;
};

// v / 3 to the nearest integer (a third is never exactly a half, so no tie arises).
constexpr std::int32_t ThirdOfSpeed(std::int32_t v) {
    const std::int64_t n = v;
    return static_cast<std::int32_t>(n >= 0 ? (n + 1) / 3 : -((-n + 1) / 3));
}

} // namespace orv
