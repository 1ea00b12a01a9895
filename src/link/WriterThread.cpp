#include "link/WriterThread.h"

#include "link/LinkMessageIds.h"
#include "protocol/PacketHeader.h"

#include <QDebug>

#include <chrono>

namespace orv {

TVCRWriterThread::TVCRWriterThread(IByteChannel& connection, IMessageSink& window, IClock& clock)
    : m_connection(connection), m_window(window), m_clock(clock) {}

TVCRWriterThread::~TVCRWriterThread() {
    Stop();
}

void TVCRWriterThread::Start() {
    if (m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_queueMutex);
        m_stop = false;
    }
    m_thread = std::thread([this] { Execute(); });
}

void TVCRWriterThread::Stop() {
    {
        std::lock_guard lock(m_queueMutex);
        m_stop = true;
        m_wake.notify_all();
    }
    if (m_thread.joinable())
        m_thread.join();
    std::lock_guard lock(m_queueMutex);
    m_queue.clear();
    m_signalled = false;
}

void TVCRWriterThread::Append(const void* buffer, std::size_t size) {
    m_queue.append(static_cast<const char*>(buffer), static_cast<qsizetype>(size));
    m_window.post(MainMsg::UplinkProgress, static_cast<std::intptr_t>(m_queue.size()), 0);
    m_signalled = true;
    m_wake.notify_one();
}

void TVCRWriterThread::QueuePacket(const QByteArray& packet) {
    TQueueLock lock(*this);
    Append(packet);
}

std::size_t TVCRWriterThread::QueuedSize() {
    std::lock_guard lock(m_queueMutex);
    return static_cast<std::size_t>(m_queue.size());
}

void TVCRWriterThread::SetRate(std::int32_t bytesPerSecond) {
    std::lock_guard lock(m_rateMutex);
    m_rate = bytesPerSecond;
}

std::int32_t TVCRWriterThread::GetRate() {
    std::lock_guard lock(m_rateMutex);
    return m_rate;
}

void TVCRWriterThread::PurgeCommand(std::uint16_t code) {
    std::lock_guard lock(m_queueMutex);
    const auto* data = reinterpret_cast<const std::uint8_t*>(m_queue.constData());
    const std::size_t size = static_cast<std::size_t>(m_queue.size());
    QByteArray kept;
    kept.reserve(m_queue.size());
    std::size_t pos = 0;
    while (pos < size) {
        if (size - pos < TPacketHeader::kSize) {
            // Not a whole header: keep the tail as it is rather than guess.
            kept.append(m_queue.constData() + pos, qsizetype(size - pos));
            break;
        }
        const TPacketHeader header = TPacketHeader::decode(data + pos);
        const std::size_t length = std::min(TPacketHeader::kSize + header.payloadSize(), size - pos);
        if (header.Command != code)
            kept.append(m_queue.constData() + pos, qsizetype(length));
        pos += length;
    }
    m_queue = std::move(kept);
}

bool TVCRWriterThread::stopRequested() {
    std::lock_guard lock(m_queueMutex);
    return m_stop;
}

void TVCRWriterThread::Execute() {
    for (;;) {
        QByteArray batch;
        {
            std::unique_lock lock(m_queueMutex);
            m_wake.wait_for(lock, std::chrono::milliseconds(kIdleWaitMs),
                            [this] { return m_signalled || m_stop; });
            if (m_stop)
                return;
            if (!m_signalled)
                continue;
            if (!m_queue.isEmpty())
                batch.swap(m_queue);
            // Cleared under the lock: an append after the take always wakes the writer again.
            m_signalled = false;
        }
        if (batch.isEmpty() || !m_connection.isConnected())
            continue;
        try {
            SendBatch(batch);
        } catch (const std::exception& e) {
            qWarning() << "writer: batch failed:" << e.what();
        }
    }
}

void TVCRWriterThread::SendBatch(const QByteArray& batch) {
    const std::size_t total = static_cast<std::size_t>(batch.size());
    const std::int32_t chunk = GetRate() / 5;
    if (chunk < 1) {
        // Too slow a rate to pace: one write, no progress messages.
        try {
            m_connection.writeAll(batch.constData(), total);
        } catch (const EChannelError&) {
            m_window.post(MainMsg::LinkState, LinkStateValue::WriteFailed, 0);
        }
        return;
    }
    const std::size_t pieceSize = static_cast<std::size_t>(chunk);
    for (std::size_t offset = 0; offset < total; offset += pieceSize) {
        // Checked between pieces, so a long batch at a low rate cannot hold up the session's end.
        if (offset > 0 && stopRequested())
            return;
        const std::size_t length = std::min(pieceSize, total - offset);
        const std::uint32_t started = m_clock.tickCount();
        try {
            m_connection.writeAll(batch.constData() + offset, length);
        } catch (const EChannelError&) {
            m_window.post(MainMsg::LinkState, LinkStateValue::WriteFailed, 0);
            continue;
        }
        std::uint32_t elapsed = ticksBetween(started, m_clock.tickCount());
        if (elapsed < kPieceIntervalMs) {
            m_clock.sleepMs(kPieceIntervalMs - elapsed);
            elapsed = kPieceIntervalMs;
        }
        m_window.post(MainMsg::UplinkProgress, static_cast<std::intptr_t>(length), elapsed);
    }
}

} // namespace orv
