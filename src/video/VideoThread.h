#pragma once
// One video stream's connection to the video service: a broadcaster's or a viewer's. The main thread signs
// on and writes the requests; the receive loop runs on a thread of its own and hands stream descriptions
// and frames to the main thread, waiting until they are kept, then posts the window's report. For a
// broadcaster, the writer thread sends the queued frames once the service accepted the sign-on. Every write
// goes out whole under one lock, through the throttling layer. Stop() never waits on the main thread.

#include "platform/AppMessage.h"
#include "platform/Clock.h"
#include "platform/MainThreadHandover.h"
#include "platform/ProxyConnector.h"
#include "platform/SocketAbort.h"
#include "platform/TcpClient.h"
#include "protocol/PacketHeader.h"
#include "protocol/VideoMessages.h"
#include "video/ThrottledChannel.h"
#include "video/VideoBuffer.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace orv {

struct TVideoEndpoint {
    QString host;
    std::uint16_t port = 0;
    TProxySettings proxy;
    TServerTls tls;
    std::int32_t bytesPerSecond = 7168; // VideoBPS; 0: no limit
    int connectTimeoutMs = 2000;
};

class TVideoThread {
public:
    static constexpr int kReadTimeoutMs = 120000;
    static constexpr std::uint32_t kWriterPauseMs = 33;
    // The report after the receive loop ended.
    static constexpr std::intptr_t kLoopEnded = 100;

    // `window` receives the reports; `queue` is a broadcaster's (the window owns it), null for a viewer.
    TVideoThread(const TVideoEndpoint& endpoint, const TVideoJoin& join, std::uint16_t watchedUser,
                 IMessageSink& window, TeVideoBuffer* queue, IClock& clock = SystemClock::instance());
    ~TVideoThread();
    TVideoThread(const TVideoThread&) = delete;
    TVideoThread& operator=(const TVideoThread&) = delete;

    // Main thread. Connects when not connected and sends the sign-on; 13 when no connection came about.
    int SignOn();
    bool Connected() const { return m_channel.isConnected(); }
    void SendStreamDescription(const TVideoStreamDescription& description);
    void RequestStreamDescription();
    void RequestFrame();
    // Starts the receive loop.
    void Resume();
    // Disconnects, releases a hand-over in progress, and waits for both threads.
    void Stop();

    // Main thread, after the reports: what the last replies brought.
    const TVideoStreamDescription& Description() const { return m_description; }
    const TVideoFrame& CurrentFrame() const { return m_frame; }
    bool FrameRequested() const { return m_frameRequested; }
    bool WriterStarted() const { return m_writerStarted.load(); }

private:
    void receiveLoop();
    void handle(const TPacketHeader& header, QByteArrayView packet);
    void writerLoop();
    // Header and payload in one uninterrupted write.
    void write(std::uint16_t command, const QByteArray& payload);

    TVideoEndpoint m_endpoint;
    TVideoJoin m_join;
    std::uint16_t m_watched;
    IMessageSink& m_window;
    TeVideoBuffer* m_queue;
    IClock& m_clock;
    SocketAbort m_abort;
    TcpClient m_client;
    TThrottledChannel m_channel;
    std::mutex m_writeLock;
    QObject m_mainThread;
    MainThreadHandover m_handover{&m_mainThread};
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_writerStarted{false};
    std::mutex m_threadsLock; // the writer is started from the reader
    std::thread m_reader;
    std::thread m_writer;
    TVideoStreamDescription m_description;
    TVideoFrame m_frame;
    bool m_frameRequested = false;
};

} // namespace orv
