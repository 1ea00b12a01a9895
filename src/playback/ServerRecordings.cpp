#include "playback/ServerRecordings.h"

#include "playback/PlaybackMessageIds.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/Constants.h"
#include "protocol/Stamp.h"

#include <QDateTime>
#include <QFile>

#include <chrono>

namespace orv {
namespace {

// One framed reply: its header and its payload, whose size is checked before anything is allocated.
std::pair<TPacketHeader, QByteArray> readReply(IByteChannel& connection) {
    std::uint8_t head[TPacketHeader::kSize];
    connection.readExact(head, sizeof head);
    const TPacketHeader header = TPacketHeader::decode(head);
    if (header.DataSize > kMaxControlPayload + std::int32_t(TPacketHeader::kSize))
        throw EChannelError("reply beyond the size limit");
    QByteArray payload(qsizetype(header.payloadSize()), Qt::Uninitialized);
    if (!payload.isEmpty())
        connection.readExact(payload.data(), std::size_t(payload.size()));
    return {header, payload};
}

void send(IByteChannel& connection, const QByteArray& packet) {
    connection.writeAll(packet.constData(), std::size_t(packet.size()));
}

} // namespace

TRecordingListResult ListRecordings(IByteChannel& connection, std::uint16_t ownUserId) {
    send(connection, BuildPacket(cmRecordingList, ownUserId, 0));
    const auto [header, payload] = readReply(connection);
    TRecordingListResult result;
    result.code = header.ResultCode;
    if (result.code == 0) {
        PayloadReader reader(payload);
        result.recordings = TRecordingList::decode(reader).recordings;
    }
    return result;
}

TOpenResult OpenRecording(IByteChannel& connection, std::int32_t sessionId) {
    const TRecordedSessionHeader request =
        OpenRecordingRequest(sessionId, stampFromLocal(QDateTime::currentDateTime()));
    send(connection, BuildPacket(cmOpenRecording, 0, 0, request.toByteArray()));
    const auto [header, payload] = readReply(connection);
    TOpenResult result;
    result.code = header.ResultCode;
    if (result.code == 0 && payload.size() >= qsizetype(TRecordedSessionHeader::kSize)) {
        PayloadReader reader(payload);
        result.header = TRecordedSessionHeader::decode(reader);
    }
    return result;
}

TSessionReaderThread::TSessionReaderThread(IByteChannel& connection, QString file, TAvailableBytes& available,
                                           IMessageSink& window, std::int32_t totalSize)
    : m_connection(connection), m_file(std::move(file)), m_available(available), m_window(window),
      m_totalSize(totalSize) {}

TSessionReaderThread::~TSessionReaderThread() {
    Stop();
}

void TSessionReaderThread::Start() {
    if (!m_thread.joinable())
        m_thread = std::thread([this] { Execute(); });
}

void TSessionReaderThread::SetPaused(bool paused) {
    {
        std::lock_guard lock(m_pauseMutex);
        m_paused = paused;
    }
    m_pauseChanged.notify_all();
}

void TSessionReaderThread::Stop() {
    {
        std::lock_guard lock(m_pauseMutex);
        m_stop = true;
    }
    m_pauseChanged.notify_all();
    if (m_thread.joinable()) {
        m_connection.disconnect();
        m_thread.join();
    }
}

void TSessionReaderThread::Execute() {
    QFile file(m_file);
    std::int64_t downloaded = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_available.Finish(0);
        return;
    }
    const QByteArray request = BuildPacket(cmReadRecording, 0, 0);
    const QByteArray heartbeat = BuildPacket(cmHeartbeat, 0, 0);
    while (!m_stop && m_connection.isConnected()) {
        bool paused = false;
        {
            std::unique_lock lock(m_pauseMutex);
            paused = !m_pauseChanged.wait_for(lock, std::chrono::milliseconds(m_keepAliveMs),
                                              [this] { return !m_paused || m_stop; });
            if (m_stop)
                break;
        }
        try {
            if (paused) { // still paused after a while: a sign of life, and wait on
                send(m_connection, heartbeat);
                continue;
            }
            send(m_connection, request);
            const auto [header, payload] = readReply(m_connection);
            if (header.ResultCode != 0) {
                m_window.post(PlayerMsg::Progress, m_totalSize, m_totalSize);
                m_connection.disconnect();
                break;
            }
            // Only a sound, whole packet reaches the file.
            PayloadReader reader(payload);
            const TRecordedPacket packet = TRecordedPacket::decode(reader);
            if (!reader.atEnd() || packet.header.Command == 0)
                throw EPayloadError("recorded packet does not fill its reply");
            if (file.write(payload) != payload.size() || !file.flush())
                break;
            downloaded += payload.size();
            ++m_packets;
            m_available.Publish(downloaded);
            m_window.post(PlayerMsg::Progress, m_totalSize, std::intptr_t(downloaded));
        } catch (const std::exception&) {
            // The connection and the file are out of step now: the download ends with the whole packets.
            m_connection.disconnect();
            break;
        }
    }
    m_available.Finish(downloaded);
}

} // namespace orv
