#pragma once
// The outbound queue of the control connection and the one thread that drains it, paced so that at most
// rate / 5 bytes leave every 200 ms.

#include "platform/AppMessage.h"
#include "platform/ByteChannel.h"
#include "platform/Clock.h"

#include <QByteArray>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace orv {

class TVCRWriterThread {
public:
    static constexpr std::int32_t kInitialRate = 65536;
    static constexpr std::uint32_t kPieceIntervalMs = 200;
    static constexpr std::uint32_t kIdleWaitMs = 1000;

    TVCRWriterThread(IByteChannel& connection, IMessageSink& window, IClock& clock = SystemClock::instance());
    ~TVCRWriterThread();
    TVCRWriterThread(const TVCRWriterThread&) = delete;
    TVCRWriterThread& operator=(const TVCRWriterThread&) = delete;

    void Start();
    // Asks the thread to end and waits for it; whatever is still queued is discarded.
    void Stop();

    // The queue lock, held across all appends of one packet so that packets never interleave.
    void Lock() { m_queueMutex.lock(); }
    void Unlock() { m_queueMutex.unlock(); }
    // Caller holds the queue lock.
    void Append(const void* buffer, std::size_t size);
    void Append(const QByteArray& bytes) {
        Append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    // Takes the lock and appends one whole packet.
    void QueuePacket(const QByteArray& packet);

    std::size_t QueuedSize();
    void SetRate(std::int32_t bytesPerSecond);
    std::int32_t GetRate();
    // Drops every queued packet with this command code, keeping the others in order.
    void PurgeCommand(std::uint16_t code);

private:
    void Execute();
    void SendBatch(const QByteArray& batch);
    bool stopRequested();

    IByteChannel& m_connection;
    IMessageSink& m_window;
    IClock& m_clock;

    std::mutex m_queueMutex;
    std::condition_variable m_wake;
    QByteArray m_queue;
    bool m_signalled = false;
    bool m_stop = false;

    std::mutex m_rateMutex;
    std::int32_t m_rate = kInitialRate;

    std::thread m_thread;
};

// RAII form of Lock / Unlock, so the lock is released also when an append throws.
class TQueueLock {
public:
    explicit TQueueLock(TVCRWriterThread& writer) : m_writer(writer) { m_writer.Lock(); }
    ~TQueueLock() { m_writer.Unlock(); }
    TQueueLock(const TQueueLock&) = delete;
    TQueueLock& operator=(const TQueueLock&) = delete;

private:
    TVCRWriterThread& m_writer;
};

} // namespace orv
