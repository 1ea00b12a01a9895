#pragma once
// The session server: accepts control connections, runs the sign-in exchanges and hands framed requests to
// the services registered for their command codes. Event-driven on one thread.

#include "ClientConnection.h"
#include "ServerConfig.h"

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTimer>

#include <array>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>

namespace orv::server {

class SignInService;
class RoomService;

class SessionServer : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(ClientConnection&, const TIncomingPacket&)>;

    explicit SessionServer(ServerConfig config, QObject* parent = nullptr);
    ~SessionServer() override;

    bool listen(const QHostAddress& address, std::uint16_t port);
    std::uint16_t port() const;
    const ServerConfig& config() const { return m_config; }

    static constexpr int kAnySize = -1;
    // Services register the framed requests they answer; several codes may share a handler. A request whose
    // payload is not `payloadSize` bytes (unless kAnySize) is malformed and drops the client.
    void registerHandler(std::initializer_list<TCommandCode> codes, int payloadSize, const Handler& handler);

    void handleVersion(ClientConnection& client, const TVersionRecord& version);
    void handleSignIn(ClientConnection& client, const TSignInRecord& signIn);
    void handlePacket(ClientConnection& client, const TPacketHeader& header, const QByteArray& stream);

    // Records a successful sign-in; an older connection of the same user is told and closed.
    void signedIn(ClientConnection& client);
    std::size_t connectionCount() const { return m_connections.size(); }
    std::size_t signedInCount() const { return m_byUser.size(); }
    std::size_t inRoomCount(std::int32_t room) const;

    void log(const QString& line) const;
    void setQuiet(bool quiet) { m_quiet = quiet; }

private:
    void onNewConnection();
    void onClosed(ClientConnection* client);
    void sendProbes();

    ServerConfig m_config;
    QTcpServer m_listener;
    QTimer m_probeTimer;
    struct Registration {
        Handler handler;
        int payloadSize = kAnySize;
    };
    std::array<Registration, kCommandCodeLimit> m_handlers;
    std::vector<ClientConnection*> m_connections;
    std::map<std::uint16_t, ClientConnection*> m_byUser;
    std::unique_ptr<SignInService> m_signIn;
    std::unique_ptr<RoomService> m_rooms;
    bool m_quiet = false;
};

} // namespace orv::server
