#include "VideoRelay.h"

#include "protocol/CommandCatalogue.h"
#include "protocol/PacketHeader.h"
#include "protocol/ResultCodes.h"

namespace orv::server {
namespace {

constexpr std::uint16_t kBroadcastStopped = 47;
constexpr std::uint16_t kFrameNotAvailable = 48;
constexpr std::uint16_t kFrameSkipped = 50;

// What each request on the video port must measure.
bool sizeFits(const TPacketHeader& h) {
    switch (h.Command) {
    case cmVideoJoin:
        return h.DataSize == std::int32_t(TVideoJoin::kSize);
    case cmVideo109:
        return h.DataSize == std::int32_t(TVideoStreamDescription::kSize);
    case cmVideo110:
        return h.DataSize == std::int32_t(TVideoWatch::kSize);
    case cmVideo111:
        return h.DataSize >= std::int32_t(TVideoFrameRecord::kSize);
    case cmVideo112:
        return h.DataSize == 0;
    default:
        return false;
    }
}

} // namespace

VideoConnection::VideoConnection(QTcpSocket* socket, VideoRelay& relay, int signOnTimeoutMs)
    : QObject(&relay), m_socket(socket), m_relay(relay), m_cutter(kMaxVideoPayload, sizeFits) {
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, this, &VideoConnection::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, [this] { drop({}); });
    m_signOnTimer.setSingleShot(true);
    connect(&m_signOnTimer, &QTimer::timeout, this, [this] { drop("no sign-on in time"); });
    m_signOnTimer.start(signOnTimeoutMs);
}

VideoConnection::~VideoConnection() = default;

qint64 VideoConnection::backlog() const {
    return m_socket ? m_socket->bytesToWrite() : 0;
}

void VideoConnection::send(std::uint16_t command, const QByteArray& payload, std::uint16_t resultCode) {
    if (m_socket && !m_closing)
        m_socket->write(BuildPacket(command, m_user, m_room, payload, resultCode));
}

void VideoConnection::drop(const QString& reason) {
    if (m_closing)
        return;
    m_closing = true;
    if (!reason.isEmpty())
        m_relay.host().log(QString("video connection of user %1 closed: %2").arg(m_user).arg(reason));
    m_relay.closed(*this);
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->disconnectFromHost();
    }
    deleteLater();
}

void VideoConnection::onReadyRead() {
    while (m_socket && !m_closing && m_socket->bytesAvailable() > 0) {
        m_cutter.Append(m_socket->read(64 * 1024));
        TPacketBatch batch;
        if (m_cutter.TakeAll(batch) == TPacketCutter::TCut::Refused) {
            for (std::size_t i = 0; i < batch.size() && !m_closing; ++i)
                handle(TPacketHeader::decode(batch[i]), batch[i]);
            drop("a request of a kind or size the video port does not take");
            return;
        }
        for (std::size_t i = 0; i < batch.size() && !m_closing; ++i)
            handle(TPacketHeader::decode(batch[i]), batch[i]);
    }
}

void VideoConnection::handle(const TPacketHeader& header, QByteArrayView packet) {
    PayloadReader reader(packet);
    reader.seek(TPacketHeader::kSize);
    try {
        if (!m_signedOn) {
            if (header.Command != cmVideoJoin)
                return drop("a request before the sign-on");
            m_relay.signedOn(*this, TVideoJoin::decode(reader));
            return;
        }
        switch (header.Command) {
        case cmVideo109:
            if (isBroadcaster()) {
                TVideoStreamDescription d;
                d.readFrom(reader);
                m_relay.described(*this, d);
            }
            return;
        case cmVideo111:
            if (isBroadcaster())
                m_relay.framed(*this, TVideoFrame::decode(reader));
            return;
        case cmVideo110:
            if (!isBroadcaster())
                m_relay.describeTo(*this, TVideoWatch::decode(reader).userId);
            return;
        case cmVideo112:
            if (!isBroadcaster())
                m_relay.frameTo(*this);
            return;
        default:
            return;
        }
    } catch (const EPayloadError& e) {
        drop(QString("malformed video request: %1").arg(e.what()));
    }
}

VideoRelay::VideoRelay(VideoHost& host, QObject* parent) : QObject(parent), m_host(host) {
    m_listener.setLogger([this](const QString& line) { m_host.log("video: " + line); });
    connect(&m_listener, &QTcpServer::pendingConnectionAvailable, this, &VideoRelay::onNewConnection);
}

VideoRelay::~VideoRelay() {
    // Connections are children; none may report into a half-destroyed relay.
    for (auto& [user, b] : m_broadcasts)
        b.connection->disconnect();
    m_broadcasts.clear();
    const auto children = findChildren<VideoConnection*>(Qt::FindDirectChildrenOnly);
    for (VideoConnection* c : children)
        c->m_closing = true;
}

bool VideoRelay::listen(const QHostAddress& address, std::uint16_t port) {
    if (!m_listener.listen(address, port)) {
        m_host.log("cannot listen for video: " + m_listener.errorString());
        return false;
    }
    return true;
}

void VideoRelay::onNewConnection() {
    while (QTcpSocket* socket = m_listener.nextPendingConnection())
        new VideoConnection(socket, *this, m_signOnTimeoutMs);
}

void VideoRelay::signedOn(VideoConnection& c, const TVideoJoin& join) {
    const std::uint16_t refusal = m_host.admit(join);
    c.m_user = join.UserId();
    c.m_room = join.room;
    c.m_mode = join.mode == TVideoJoin::Broadcaster ? TVideoJoin::Broadcaster : TVideoJoin::Viewer;
    c.send(cmVideoJoin, {}, refusal);
    if (refusal != ResultCode::Success) {
        c.drop(QString("sign-on refused with %1").arg(refusal));
        return;
    }
    c.m_signedOn = true;
    c.m_signOnTimer.stop();
    if (c.m_mode == TVideoJoin::Broadcaster) {
        endBroadcast(c.m_user); // an older broadcast of the same user
        m_broadcasts[c.m_user].connection = &c;
        m_host.log(QString("user %1 broadcasts video").arg(c.m_user));
    }
}

void VideoRelay::described(VideoConnection& c, const TVideoStreamDescription& description) {
    Broadcast& b = m_broadcasts[c.m_user];
    b.description = description;
    if (!b.announced) {
        b.announced = true;
        m_host.broadcastChanged(c.m_user, true);
    }
}

void VideoRelay::framed(VideoConnection& c, TVideoFrame frame) {
    Broadcast& b = m_broadcasts[c.m_user];
    if (frame.record.keyFrame) {
        b.frames.clear();
        b.keptBytes = 0;
    } else if (b.frames.empty() || b.keptBytes + frame.data.size() > kMaxKeptBytes) {
        // Nothing to build on, or too much kept: wait for the next key frame.
        b.frames.clear();
        b.keptBytes = 0;
        return;
    }
    b.keptBytes += frame.data.size();
    b.frames.push_back(std::move(frame));
}

void VideoRelay::describeTo(VideoConnection& viewer, std::uint16_t watched) {
    viewer.m_watched = watched;
    viewer.m_next = -1;
    const auto it = m_broadcasts.find(watched);
    if (it == m_broadcasts.end() || !it->second.description)
        viewer.send(cmVideo110, {}, kBroadcastStopped);
    else
        viewer.send(cmVideo110, it->second.description->toByteArray());
}

void VideoRelay::frameTo(VideoConnection& viewer) {
    const auto it = m_broadcasts.find(viewer.m_watched);
    if (it == m_broadcasts.end())
        return viewer.send(cmVideo112, {}, kBroadcastStopped);
    const std::deque<TVideoFrame>& frames = it->second.frames;
    if (frames.empty())
        return viewer.send(cmVideo112, {}, kFrameNotAvailable);
    if (viewer.backlog() > kMaxViewerBacklog)
        return viewer.send(cmVideo112, {}, kFrameSkipped);
    // Sequence numbers come from the broadcaster: found by looking, never used as an index.
    const std::int32_t first = frames.front().record.sequence;
    const std::int32_t last = frames.back().record.sequence;
    std::int32_t want = viewer.m_next;
    if (want < first || want > last + 1)
        want = first; // new, fallen behind, or the broadcaster started again: resume at the key frame
    for (const TVideoFrame& frame : frames)
        if (frame.record.sequence >= want) {
            viewer.m_next = frame.record.sequence + 1;
            return viewer.send(cmVideo112, frame.encode());
        }
    viewer.send(cmVideo112, {}, kFrameNotAvailable);
}

void VideoRelay::endBroadcast(std::uint16_t user) {
    const auto it = m_broadcasts.find(user);
    if (it != m_broadcasts.end())
        it->second.connection->drop("the broadcast ended");
}

void VideoRelay::closed(VideoConnection& c) {
    if (!c.isBroadcaster())
        return;
    const auto it = m_broadcasts.find(c.m_user);
    if (it == m_broadcasts.end() || it->second.connection != &c)
        return;
    const bool announced = it->second.announced;
    m_broadcasts.erase(it);
    if (announced)
        m_host.broadcastChanged(c.m_user, false);
}

} // namespace orv::server
