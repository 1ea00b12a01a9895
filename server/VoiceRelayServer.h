#pragma once
// The voice port: a listener of its own beside the control connection. Each participant in a room signs on
// with its user id, password and room; what a participant holding a microphone sends (9) goes to everyone
// else of the room signed on here (27, with the speaker's id).

#include "SortingListener.h"
#include "VoiceFloor.h"
#include "protocol/SignInRecords.h"

#include <QHostAddress>
#include <QObject>

#include <map>
#include <optional>

namespace orv::server {

class VoiceConnection;

// What the port needs of the session server.
class VoiceHost {
public:
    virtual ~VoiceHost() = default;
    // The account of `userId` while signed in and in the room whose low 16 bits are `roomId`.
    virtual std::optional<TAccountRecord> memberInRoom(std::uint16_t userId, std::uint16_t roomId) const = 0;
    virtual const VoiceFloor& floor() const = 0;
    virtual void log(const QString& line) const = 0;
    // A relayed frame of `room`, as a stamped packet, for whoever records the room's traffic.
    virtual void voiceRelayed(std::int32_t room, const QByteArray& packet) {
        (void)room;
        (void)packet;
    }
};

class VoiceRelayServer : public QObject {
    Q_OBJECT
public:
    // A listener's queue beyond this drops frames for it rather than holding them.
    static constexpr qint64 kMaxListenerBacklog = 256 * 1024;

    VoiceRelayServer(VoiceHost& host, int signOnTimeoutMs, int silenceTimeoutMs, QObject* parent = nullptr);
    ~VoiceRelayServer() override;

    // Before listen(): encrypted connections beside plain ones.
    void setTls(std::shared_ptr<const TlsServerSettings> tls) { m_listener.setTls(std::move(tls)); }
    bool listen(const QHostAddress& address, std::uint16_t port);
    std::uint16_t port() const { return m_listener.serverPort(); }
    VoiceHost& host() { return m_host; }
    int signOnTimeoutMs() const { return m_signOnTimeoutMs; }
    int silenceTimeoutMs() const { return m_silenceTimeoutMs; }

    // A connection signed on as `user`; an older one of the same user goes.
    void signedOn(VoiceConnection& connection, std::uint16_t user);
    void closed(VoiceConnection& connection);
    // A speaker's frame to everyone else of its room.
    void relay(const VoiceConnection& from, const char* payload, qsizetype size);

private:
    void onNewConnection();

    VoiceHost& m_host;
    SortingListener m_listener;
    int m_signOnTimeoutMs;
    int m_silenceTimeoutMs;
    std::map<std::uint16_t, VoiceConnection*> m_byUser;
};

} // namespace orv::server
