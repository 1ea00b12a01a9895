#include "VoiceRelayServer.h"

#include "VoiceConnection.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/PacketHeader.h"

#include <QTcpSocket>

#include <vector>

namespace orv::server {

VoiceRelayServer::VoiceRelayServer(VoiceHost& host, int signOnTimeoutMs, int silenceTimeoutMs,
                                   QObject* parent)
    : QObject(parent), m_host(host), m_signOnTimeoutMs(signOnTimeoutMs),
      m_silenceTimeoutMs(silenceTimeoutMs) {
    m_listener.setLogger([this](const QString& line) { m_host.log("voice: " + line); });
    connect(&m_listener, &QTcpServer::pendingConnectionAvailable, this, &VoiceRelayServer::onNewConnection);
}

VoiceRelayServer::~VoiceRelayServer() {
    m_listener.close();
    // The connections are children; they must not call back into a half-gone server.
    for (VoiceConnection* c : findChildren<VoiceConnection*>(Qt::FindDirectChildrenOnly))
        delete c;
}

bool VoiceRelayServer::listen(const QHostAddress& address, std::uint16_t port) {
    if (!m_listener.listen(address, port)) {
        m_host.log("cannot listen for voice: " + m_listener.errorString());
        return false;
    }
    m_host.log(QString("voice on %1:%2").arg(address.toString()).arg(m_listener.serverPort()));
    return true;
}

void VoiceRelayServer::onNewConnection() {
    while (QTcpSocket* socket = m_listener.nextPendingConnection())
        new VoiceConnection(socket, *this); // a child: it deletes itself once closed
}

void VoiceRelayServer::signedOn(VoiceConnection& connection, std::uint16_t user) {
    const auto it = m_byUser.find(user);
    VoiceConnection* older = it == m_byUser.end() ? nullptr : it->second;
    m_byUser[user] = &connection;
    if (older && older != &connection)
        older->close("replaced by a newer voice connection");
}

void VoiceRelayServer::closed(VoiceConnection& connection) {
    const auto it = m_byUser.find(connection.user());
    if (it != m_byUser.end() && it->second == &connection)
        m_byUser.erase(it);
}

void VoiceRelayServer::relay(const VoiceConnection& from, const char* payload, qsizetype size) {
    const std::optional<TAccountRecord> speaker = m_host.memberInRoom(from.user(), from.roomId());
    if (!speaker || !m_host.floor().holds(speaker->Room(), from.user()))
        return; // only who holds a microphone is heard
    const QByteArray frame = VoiceFrame(cmVoiceIn, from.user(), from.roomId(), payload, std::size_t(size));
    std::vector<VoiceConnection*> listeners;
    for (const auto& [user, connection] : m_byUser)
        if (user != from.user() && connection->roomId() == from.roomId() &&
            m_host.memberInRoom(user, from.roomId()))
            listeners.push_back(connection);
    for (VoiceConnection* listener : listeners)
        listener->send(frame);
    m_host.voiceRelayed(speaker->Room(),
                        BuildPacket(cmVoiceIn, from.user(), from.roomId(), QByteArray(payload, size)));
}

} // namespace orv::server
