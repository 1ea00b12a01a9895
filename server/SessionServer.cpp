#include "SessionServer.h"

#include "protocol/PacketHeader.h"

#include <QDateTime>

#include <QTcpSocket>
#include <algorithm>

#include <cstdio>
#include <stdexcept>

namespace orv::server {
namespace {

// A packet as it reaches others: the header names the participant it comes from.
QByteArray packetFrom(const ClientConnection& from, const OutgoingPacket& packet) {
    return BuildPacket(packet.command, from.account().UserId(), std::uint16_t(from.room()), packet.payload,
                       packet.resultCode);
}

} // namespace

SessionServer::SessionServer(ServerConfig config, const ServiceFactory& services, QObject* parent)
    : QObject(parent), m_config(std::move(config)) {
    if (m_config.storePath.isEmpty())
        m_privateStore = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<ResourceStore>(m_privateStore ? m_privateStore->path() : m_config.storePath);
    m_listener.setTls(m_config.tls);
    m_listener.setLogger([this](const QString& line) { log("control: " + line); });
    connect(&m_listener, &QTcpServer::pendingConnectionAvailable, this, &SessionServer::onNewConnection);
    connect(&m_probeTimer, &QTimer::timeout, this, &SessionServer::sendProbes);
    // Time-outs are checked a few times within the shortest of them.
    const int shortest = std::min({m_config.signInTimeoutMs, m_config.packetTimeoutMs,
                                   m_config.silenceTimeoutMs, m_config.closeTimeoutMs});
    connect(&m_watchdog, &QTimer::timeout, this, [this] {
        const std::vector<ClientConnection*> connections = m_connections; // checking may drop one
        for (ClientConnection* c : connections)
            c->checkTimeouts();
    });
    m_watchdog.start(std::clamp(shortest / 4, 10, 1000));
    if (m_config.probeIntervalMs > 0)
        m_probeTimer.start(m_config.probeIntervalMs);
    m_services = services(*this);
}

SessionServer::~SessionServer() {
    // Connections are children; make sure none reports back into a half-destroyed server.
    for (ClientConnection* c : m_connections)
        disconnect(c, nullptr, this, nullptr);
}

bool SessionServer::listen(const QHostAddress& address, std::uint16_t port) {
    // A class arriving at once must not wait for the kernel to retry refused connects.
    m_listener.setListenBacklogSize(1024);
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

bool SessionServer::listenVoice(const QHostAddress& address, std::uint16_t port) {
    m_voice = std::make_unique<VoiceRelayServer>(*this, m_config.signInTimeoutMs, m_config.silenceTimeoutMs);
    m_voice->setTls(m_config.tls);
    if (!m_voice->listen(address, port)) {
        m_voice.reset();
        return false;
    }
    m_config.voicePort = m_voice->port();
    return true;
}

bool SessionServer::listenBulk(const QHostAddress& address, std::uint16_t port) {
    m_bulk = std::make_unique<BulkTransferServer>(*this);
    m_bulk->setTls(m_config.tls);
    if (!m_bulk->listen(address, port)) {
        m_bulk.reset();
        return false;
    }
    m_config.bulkPort = m_bulk->port();
    return true;
}

std::optional<TAccountRecord> SessionServer::memberInRoom(std::uint16_t userId, std::uint16_t roomId) const {
    const auto it = m_byUser.find(userId);
    if (it == m_byUser.end())
        return std::nullopt;
    const auto room = m_members.roomOf(*it->second);
    if (!room || std::uint16_t(*room) != roomId)
        return std::nullopt;
    return it->second->account();
}

void SessionServer::registerHandler(std::initializer_list<TCommandCode> codes, int payloadSize,
                                    Handler handler) {
    m_requests.add(codes, payloadSize, handler);
}

void SessionServer::useAccountDatabase(std::unique_ptr<AccountDatabase> database) {
    m_accounts = std::move(database);
    reloadAccounts();
    // Cheap: the database's change counter, read once a second.
    connect(&m_accountsWatch, &QTimer::timeout, this, [this] {
        if (m_accounts->changeCount() != m_accountsVersion)
            reloadAccounts();
    });
    m_accountsWatch.start(1000);
}

void SessionServer::reloadAccounts() {
    try {
        m_accountsVersion = m_accounts->changeCount();
        m_accounts->loadInto(m_config);
        log(QString("accounts and rooms read: %1 users, %2 rooms")
                .arg(m_config.accounts.size())
                .arg(m_config.rooms.size()));
    } catch (const EDatabaseError& e) {
        log(QString("accounts and rooms kept as they were: %1").arg(e.what()));
    }
}

void SessionServer::registerVersionHandler(VersionHandler handler) {
    if (m_versionHandler)
        throw std::logic_error("the version check is answered twice");
    m_versionHandler = std::move(handler);
}

void SessionServer::registerSignInHandler(SignInHandler handler) {
    if (m_signInHandler)
        throw std::logic_error("the sign-in is answered twice");
    m_signInHandler = std::move(handler);
}

void SessionServer::registerMembershipHandler(MembershipHandler handler) {
    m_membershipHandlers.push_back(std::move(handler));
}

void SessionServer::registerRoomTrafficHandler(RoomTrafficHandler handler) {
    m_trafficHandlers.push_back(std::move(handler));
}

void SessionServer::registerRoomStateHandler(RoomStateHandler handler) {
    m_stateHandlers.push_back(std::move(handler));
}

std::vector<RoomStatePacket> SessionServer::roomState(const ClientConnection& viewer,
                                                      std::int32_t room) const {
    std::vector<RoomStatePacket> state;
    for (const RoomStateHandler& handler : m_stateHandlers)
        handler(viewer, room, state);
    return state;
}

void SessionServer::voiceRelayed(std::int32_t room, const QByteArray& packet) {
    for (const RoomTrafficHandler& handler : m_trafficHandlers)
        handler(room, packet);
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
    leaveRoom(*client);
    if (client->isSignedIn()) {
        auto it = m_byUser.find(client->account().UserId());
        if (it != m_byUser.end() && it->second == client)
            m_byUser.erase(it);
    }
}

void SessionServer::handleVersion(ClientConnection& client, const TVersionRecord& version) {
    if (m_versionHandler)
        m_versionHandler(client, version);
    else
        client.abort("no service answers the version check");
}

void SessionServer::handleSignIn(ClientConnection& client, const TSignInRecord& signIn) {
    if (m_signInHandler)
        m_signInHandler(client, signIn);
    else
        client.abort("no service answers the sign-in");
}

void SessionServer::signIn(ClientConnection& client, const TAccountRecord& account) {
    client.markSignedIn(account);
    log(client.who() + " signed in");
    const std::uint16_t id = account.UserId();
    auto it = m_byUser.find(id);
    if (it != m_byUser.end() && it->second != &client) {
        ClientConnection* older = it->second;
        leaveRoom(*older);   // gone from its room now, not once its last bytes are out
        older->dropQueued(); // whatever it has not read yet is of no use to it any more
        older->sendPacket(cmDuplicateSignIn);
        older->closeAfterFlush("the same user signed in again from " + client.peer());
    }
    m_byUser[id] = &client;
}

void SessionServer::enterRoom(ClientConnection& client, std::int32_t room) {
    if (m_members.roomOf(client) == room)
        return;
    leaveRoom(client); // while its record still names the room it leaves
    client.setRoom(room);
    m_members.enter(client, room);
    m_rights.entered(client, room);
    tellMembership(client, room, MemberChange::Entered);
}

void SessionServer::leaveRoom(ClientConnection& client) {
    const auto room = m_members.roomOf(client);
    if (!room)
        return;
    m_members.leave(client);
    tellMembership(client, *room, MemberChange::Left);
    m_rights.left(client, *room);
}

void SessionServer::tellMembership(ClientConnection& client, std::int32_t room, MemberChange change) {
    for (const MembershipHandler& handler : m_membershipHandlers)
        handler(client, room, change);
}

QString SessionServer::headerRefusal(const TPacketHeader& header) const {
    const auto info = FindCommand(header.Command);
    // A recorded session's download runs on the control connection too.
    if (!info || info->direction == TCommandDirection::FromServer ||
        (info->connection != TCommandConnection::Control && info->connection != TCommandConnection::Download))
        return QString("unexpected command %1").arg(header.Command);
    const RequestTable::Entry* entry = m_requests.find(header.Command);
    if (entry && entry->payloadSize != kAnySize && header.DataSize != entry->payloadSize)
        return QString("%1 with %2 payload bytes").arg(info->name.data()).arg(header.DataSize);
    return {};
}

void SessionServer::handlePacket(ClientConnection& client, const TPacketHeader& header,
                                 const QByteArray& stream) {
    if (const QString why = headerRefusal(header); !why.isEmpty()) {
        client.abort(why);
        return;
    }
    const auto info = FindCommand(header.Command);
    if (m_verbose && header.Command != cmHeartbeat)
        log(QString("%1 request %2 (%3 bytes)").arg(client.who(), info->name.data()).arg(header.DataSize));
    const RequestTable::Entry* entry = m_requests.find(header.Command);
    if (!entry)
        return; // a request no service answers yet
    try {
        entry->handler(client, TIncomingPacket{header, stream});
    } catch (const EPayloadError& e) {
        client.abort(QString("malformed %1: %2").arg(info->name.data(), e.what()));
    }
}

void SessionServer::reply(ClientConnection& requester, const OutgoingPacket& packet) {
    requester.sendPacket(packet.command, packet.payload, packet.resultCode);
}

bool SessionServer::sendToUser(std::uint16_t userId, const ClientConnection& from,
                               const OutgoingPacket& packet) {
    const auto it = m_byUser.find(userId);
    if (it == m_byUser.end())
        return false;
    it->second->send(packetFrom(from, packet));
    return true;
}

void SessionServer::sendToRoom(std::int32_t room, const ClientConnection& from,
                               const OutgoingPacket& packet) {
    const QByteArray bytes = packetFrom(from, packet);
    for (ClientConnection* member : m_members.in(room))
        member->send(bytes);
    for (const RoomTrafficHandler& handler : m_trafficHandlers)
        handler(room, bytes);
}

void SessionServer::sendToOthersInRoom(const ClientConnection& sender, const OutgoingPacket& packet) {
    const auto room = m_members.roomOf(sender);
    if (!room)
        return;
    const QByteArray bytes = packetFrom(sender, packet);
    for (ClientConnection* member : m_members.in(*room))
        if (member != &sender)
            member->send(bytes);
    for (const RoomTrafficHandler& handler : m_trafficHandlers)
        handler(*room, bytes);
}

void SessionServer::sendProbes() {
    // A copy: a client whose queue overflows is dropped, and leaves the list, while we go through it.
    const std::vector<ClientConnection*> connections = m_connections;
    for (ClientConnection* c : connections)
        if (c->isSignedIn())
            c->sendPacket(cmProbe);
}

} // namespace orv::server
