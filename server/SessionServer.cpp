#include "SessionServer.h"

#include "RoomService.h"
#include "SignInService.h"

#include <QDateTime>
#include <QTcpSocket>

#include <cstdio>

namespace orv::server {

SessionServer::SessionServer(ServerConfig config, QObject* parent)
    : QObject(parent), m_config(std::move(config)), m_signIn(std::make_unique<SignInService>(*this)),
      m_rooms(std::make_unique<RoomService>(*this)) {
    connect(&m_listener, &QTcpServer::newConnection, this, &SessionServer::onNewConnection);
    connect(&m_probeTimer, &QTimer::timeout, this, &SessionServer::sendProbes);
    if (m_config.probeIntervalMs > 0)
        m_probeTimer.start(m_config.probeIntervalMs);
}

SessionServer::~SessionServer() {
    // Connections are children; make sure none reports back into a half-destroyed server.
    for (ClientConnection* c : m_connections)
        disconnect(c, nullptr, this, nullptr);
}

bool SessionServer::listen(const QHostAddress& address, std::uint16_t port) {
    if (!m_listener.listen(address, port)) {
        log("cannot listen: " + m_listener.errorString());
        return false;
    }
    log(QString("listening on %1:%2").arg(address.toString()).arg(m_listener.serverPort()));
    return true;
}

std::uint16_t SessionServer::port() const {
    return m_listener.serverPort();
}

void SessionServer::registerHandler(std::initializer_list<TCommandCode> codes, int payloadSize,
                                    const Handler& handler) {
    for (TCommandCode code : codes)
        m_handlers[code] = {handler, payloadSize};
}

void SessionServer::log(const QString& line) const {
    if (m_quiet)
        return;
    const QByteArray text =
        QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss.zzz ").toUtf8() + line.toUtf8() + '\n';
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stderr);
}

void SessionServer::onNewConnection() {
    while (QTcpSocket* socket = m_listener.nextPendingConnection()) {
        auto* client = new ClientConnection(socket, *this);
        connect(client, &ClientConnection::closed, this, &SessionServer::onClosed);
        m_connections.push_back(client);
        log(client->peer() + " connected");
    }
}

void SessionServer::onClosed(ClientConnection* client) {
    log(client->who() + " disconnected");
    std::erase(m_connections, client);
    if (client->isSignedIn()) {
        auto it = m_byUser.find(client->account().UserId());
        if (it != m_byUser.end() && it->second == client)
            m_byUser.erase(it);
    }
}

void SessionServer::handleVersion(ClientConnection& client, const TVersionRecord& version) {
    m_signIn->answerVersion(client, version);
}

void SessionServer::handleSignIn(ClientConnection& client, const TSignInRecord& signIn) {
    m_signIn->answerSignIn(client, signIn);
}

void SessionServer::signedIn(ClientConnection& client) {
    const std::uint16_t id = client.account().UserId();
    auto it = m_byUser.find(id);
    if (it != m_byUser.end() && it->second != &client) {
        ClientConnection* older = it->second;
        older->sendPacket(cmDuplicateSignIn);
        older->closeAfterFlush("the same user signed in again from " + client.peer());
    }
    m_byUser[id] = &client;
}

std::size_t SessionServer::inRoomCount(std::int32_t room) const {
    return std::size_t(
        std::count_if(m_connections.begin(), m_connections.end(),
                      [room](const ClientConnection* c) { return c->inRoom() && c->room() == room; }));
}

void SessionServer::handlePacket(ClientConnection& client, const TPacketHeader& header,
                                 const QByteArray& stream) {
    const auto info = FindCommand(header.Command);
    if (!info || info->direction == TCommandDirection::FromServer ||
        info->connection != TCommandConnection::Control) {
        client.abort(QString("unexpected command %1").arg(header.Command));
        return;
    }
    if (header.Command != cmHeartbeat)
        log(QString("%1 request %2 (%3 bytes)").arg(client.who(), info->name.data()).arg(header.DataSize));
    const Registration& registration = m_handlers[header.Command];
    if (!registration.handler)
        return; // a request no service answers yet
    if (registration.payloadSize != kAnySize && header.DataSize != registration.payloadSize) {
        client.abort(QString("%1 with %2 payload bytes").arg(info->name.data()).arg(header.DataSize));
        return;
    }
    try {
        registration.handler(client, TIncomingPacket{header, stream});
    } catch (const EPayloadError& e) {
        client.abort(QString("malformed %1: %2").arg(info->name.data(), e.what()));
    }
}

void SessionServer::sendProbes() {
    for (ClientConnection* c : m_connections)
        if (c->isSignedIn())
            c->sendPacket(cmProbe);
}

} // namespace orv::server
