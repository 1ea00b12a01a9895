#include "video/VideoThread.h"

#include "link/ReaderThread.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/ResultCodes.h"
#include "video/VideoMessageIds.h"

#include <QDebug>

namespace orv {

TVideoThread::TVideoThread(const TVideoEndpoint& endpoint, const TVideoJoin& join, std::uint16_t watchedUser,
                           IMessageSink& window, TeVideoBuffer* queue, IClock& clock)
    : m_endpoint(endpoint), m_join(join), m_watched(watchedUser), m_window(window), m_queue(queue),
      m_clock(clock), m_channel(m_client, clock, endpoint.bytesPerSecond) {}

TVideoThread::~TVideoThread() {
    Stop();
}

int TVideoThread::SignOn() {
    if (!m_client.isConnected()) {
        try {
            if (m_endpoint.host.isEmpty() || m_endpoint.port == 0)
                throw EChannelError("no video service to connect to");
            ConnectThrough(m_client, m_endpoint.host, m_endpoint.port, m_endpoint.proxy, m_endpoint.tls,
                           m_endpoint.connectTimeoutMs, &m_abort);
        } catch (const EChannelError&) {
            return ResultCode::ConnectionFailed;
        }
    }
    write(cmVideoJoin, m_join.encode());
    return ResultCode::Success;
}

void TVideoThread::write(std::uint16_t command, const QByteArray& payload) {
    const QByteArray packet = BuildPacket(command, m_join.UserId(), m_join.room, payload);
    std::lock_guard lock(m_writeLock);
    try {
        m_channel.writeAll(packet.constData(), std::size_t(packet.size()));
    } catch (const EChannelError& e) {
        qDebug() << "video: write failed:" << e.what();
    }
}

void TVideoThread::SendStreamDescription(const TVideoStreamDescription& description) {
    write(cmVideo109, description.toByteArray());
}

void TVideoThread::RequestStreamDescription() {
    write(cmVideo110, TVideoWatch{m_watched}.encode());
}

void TVideoThread::RequestFrame() {
    m_frameRequested = true;
    if (Connected())
        write(cmVideo112, {});
}

void TVideoThread::Resume() {
    std::lock_guard lock(m_threadsLock);
    if (m_reader.joinable() || m_stop)
        return;
    m_client.setReceiveTimeout(kReadTimeoutMs);
    m_reader = std::thread([this] { receiveLoop(); });
}

void TVideoThread::Stop() {
    m_stop = true;
    m_handover.abandon();
    m_abort.abort();
    m_client.disconnect();
    std::unique_lock lock(m_threadsLock);
    std::thread reader = std::move(m_reader);
    std::thread writer = std::move(m_writer);
    lock.unlock();
    if (reader.joinable())
        reader.join();
    // The reader may have started the writer while we took the threads: look again once it has ended.
    lock.lock();
    if (m_writer.joinable())
        writer = std::move(m_writer);
    lock.unlock();
    if (writer.joinable())
        writer.join();
}

void TVideoThread::receiveLoop() {
    TPacketSource source(m_channel, kMaxVideoPayload);
    TPacketBatch batch;
    while (!m_stop && m_channel.isConnected()) {
        const TReadResult result = source.ReadBatch(batch);
        if (result == TReadResult::Oversized) {
            qWarning() << "video: packet size beyond limit, closing the connection";
            m_client.disconnect();
            break;
        }
        for (std::size_t i = 0; i < batch.size() && !m_stop; ++i)
            handle(TPacketHeader::decode(batch[i]), batch[i]);
    }
    m_window.post(VideoMsg::Frame, kLoopEnded, 0);
}

void TVideoThread::handle(const TPacketHeader& header, QByteArrayView packet) {
    switch (header.Command) {
    case cmVideoJoin:
        if (m_queue == nullptr)
            return;
        if (header.ResultCode != ResultCode::Success) {
            m_window.post(VideoMsg::JoinRefused, header.ResultCode, 0);
            return;
        }
        if (!m_writerStarted.exchange(true)) {
            std::lock_guard lock(m_threadsLock);
            if (!m_stop)
                m_writer = std::thread([this] { writerLoop(); });
        }
        return;
    case cmVideo110:
    case cmVideo112: {
        // Kept on the main thread, where the window reads them; the packet stays valid while we wait.
        bool ok = true;
        const bool handled = m_handover.run([&] {
            try {
                PayloadReader reader(packet);
                reader.seek(TPacketHeader::kSize);
                if (header.Command == cmVideo110) {
                    if (header.ResultCode == ResultCode::Success)
                        m_description.readFrom(reader);
                } else {
                    m_frameRequested = false;
                    if (header.ResultCode == ResultCode::Success)
                        m_frame = TVideoFrame::decode(reader);
                }
            } catch (const EPayloadError&) {
                ok = false; // a malformed reply is dropped
            }
        });
        if (handled && ok)
            m_window.post(header.Command == cmVideo110 ? VideoMsg::StreamState : VideoMsg::Frame,
                          header.ResultCode, 0);
        return;
    }
    default:
        return; // 109, 111 and every other command are not for us
    }
}

void TVideoThread::writerLoop() {
    while (!m_stop) {
        if (!m_channel.isConnected())
            return;
        if (std::optional<TQueuedFrame> frame = m_queue->Take(); frame && m_channel.isConnected()) {
            TVideoFrame message;
            message.record.keyFrame = frame->keyFrame;
            message.record.sequence = frame->sequence;
            message.data = std::move(frame->data);
            write(cmVideo111, message.encode());
        }
        m_clock.sleepMs(kWriterPauseMs);
    }
}

} // namespace orv
