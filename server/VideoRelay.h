#pragma once
// The video port: a listener of its own beside the control connection. A broadcaster signs on, announces
// its stream and pushes frames; the relay keeps its latest description and the frames since its latest key
// frame. A viewer signs on, asks for a broadcaster's description and pulls frames one request at a time:
// each request gets the frame after the last one it had, or the latest key frame when it fell behind, 48
// when nothing new is there, 47 once the broadcast has stopped.

#include "SortingListener.h"
#include "protocol/PacketCutter.h"
#include "protocol/VideoMessages.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <deque>
#include <map>
#include <optional>

namespace orv::server {

class VideoRelay;

// What the relay needs of the session: who may sign on, and telling the room about broadcasts.
class VideoHost {
public:
    virtual ~VideoHost() = default;
    // 0 when the sign-on belongs to a participant in that room (room's low 16 bits); else the refusal.
    virtual std::uint16_t admit(const TVideoJoin& join) const = 0;
    virtual void broadcastChanged(std::uint16_t user, bool started) = 0;
    virtual void log(const QString& line) const = 0;
};

class VideoConnection : public QObject {
    Q_OBJECT
public:
    VideoConnection(QTcpSocket* socket, VideoRelay& relay, int signOnTimeoutMs);
    ~VideoConnection() override;

    std::uint16_t user() const { return m_user; }
    bool isBroadcaster() const { return m_signedOn && m_mode == TVideoJoin::Broadcaster; }
    void send(std::uint16_t command, const QByteArray& payload, std::uint16_t resultCode = 0);
    void drop(const QString& reason);
    qint64 backlog() const;

private:
    void onReadyRead();
    void handle(const TPacketHeader& header, QByteArrayView packet);

    QPointer<QTcpSocket> m_socket;
    VideoRelay& m_relay;
    TPacketCutter m_cutter;
    QTimer m_signOnTimer;
    bool m_signedOn = false;
    bool m_closing = false;
    std::int32_t m_mode = TVideoJoin::Viewer;
    std::uint16_t m_user = 0;
    std::uint16_t m_room = 0;
    // Viewer: whom it watches and the sequence number it wants next (-1: the latest key frame).
    std::uint16_t m_watched = 0;
    std::int32_t m_next = -1;
    friend class VideoRelay;
};

class VideoRelay : public QObject {
    Q_OBJECT
public:
    // Frames kept per broadcaster beyond this many bytes are dropped until the next key frame.
    static constexpr qint64 kMaxKeptBytes = 4 * 1024 * 1024;
    // A viewer whose unsent bytes exceed this is told its frame was skipped.
    static constexpr qint64 kMaxViewerBacklog = 1024 * 1024;

    explicit VideoRelay(VideoHost& host, QObject* parent = nullptr);
    ~VideoRelay() override;

    // Before listen(): encrypted connections beside plain ones.
    void setTls(std::shared_ptr<const TlsServerSettings> tls) { m_listener.setTls(std::move(tls)); }
    bool listen(const QHostAddress& address, std::uint16_t port);
    std::uint16_t port() const { return m_listener.serverPort(); }
    VideoHost& host() { return m_host; }
    void setSignOnTimeoutMs(int ms) { m_signOnTimeoutMs = ms; }
    // Ends the user's broadcast, closing its connection.
    void endBroadcast(std::uint16_t user);
    bool broadcasting(std::uint16_t user) const { return m_broadcasts.contains(user); }

private:
    friend class VideoConnection;
    struct Broadcast {
        VideoConnection* connection = nullptr;
        std::optional<TVideoStreamDescription> description;
        std::deque<TVideoFrame> frames; // from the latest key frame on
        qint64 keptBytes = 0;
        bool announced = false;
    };

    void onNewConnection();
    void signedOn(VideoConnection& c, const TVideoJoin& join);
    void described(VideoConnection& c, const TVideoStreamDescription& description);
    void framed(VideoConnection& c, TVideoFrame frame);
    void describeTo(VideoConnection& viewer, std::uint16_t watched);
    void frameTo(VideoConnection& viewer);
    void closed(VideoConnection& c);

    VideoHost& m_host;
    SortingListener m_listener;
    int m_signOnTimeoutMs = 30000;
    std::map<std::uint16_t, Broadcast> m_broadcasts;
};

} // namespace orv::server
