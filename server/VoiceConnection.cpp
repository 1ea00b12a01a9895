#include "VoiceConnection.h"

#include "VoiceRelayServer.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/ResultCodes.h"

namespace orv::server {

VoiceConnection::VoiceConnection(QTcpSocket* socket, VoiceRelayServer& server)
    : QObject(&server), m_socket(socket), m_server(server) {
    socket->setParent(this);
    m_silence.setSingleShot(true);
    connect(&m_silence, &QTimer::timeout, this,
            [this] { close(m_signedOn ? "silent too long" : "no sign-on in time"); });
    m_silence.start(server.signOnTimeoutMs());
    connect(socket, &QTcpSocket::readyRead, this, &VoiceConnection::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, [this] { close({}); });
}

VoiceConnection::~VoiceConnection() {
    m_server.closed(*this);
}

void VoiceConnection::onReadyRead() {
    if (!m_socket || m_closing)
        return;
    const QByteArray bytes = m_socket->readAll();
    if (bytes.isEmpty())
        return;
    if (m_signedOn)
        m_silence.start(m_server.silenceTimeoutMs());
    m_framer.feed(bytes.constData(), bytes.size());
}

void VoiceConnection::onSignOn(const TVoiceSignOn& signOn) {
    const std::optional<TAccountRecord> member =
        m_server.host().memberInRoom(signOn.UserId(), signOn.RoomId());
    TPacketHeader reply;
    reply.UserId = signOn.UserId();
    reply.RoomId = signOn.RoomId();
    if (!member || member->Password() != signOn.Password()) {
        reply.ResultCode = ResultCode::NotPermitted;
        m_socket->write(reply.toByteArray());
        m_framer.stop();
        close(QString("voice sign-on refused for user %1").arg(signOn.UserId()));
        return;
    }
    m_user = signOn.UserId();
    m_roomId = signOn.RoomId();
    m_signedOn = true;
    m_socket->write(reply.toByteArray());
    m_silence.start(m_server.silenceTimeoutMs());
    m_server.signedOn(*this, m_user);
    m_server.host().log(QString("voice: user %1 in room %2").arg(m_user).arg(m_roomId));
}

void VoiceConnection::onFrame(const TPacketHeader& header, const QByteArray& packet) {
    if (header.Command != cmVoiceOut || header.DataSize <= 0)
        return; // keep-alives only keep the connection
    m_server.relay(*this, packet.constData() + TPacketHeader::kSize, header.DataSize);
}

void VoiceConnection::onMalformed(const QString& reason) {
    close(reason);
}

void VoiceConnection::send(const QByteArray& frame) {
    if (!m_socket || m_closing || m_socket->bytesToWrite() > VoiceRelayServer::kMaxListenerBacklog)
        return;
    m_socket->write(frame);
}

void VoiceConnection::close(const QString& reason) {
    if (m_closing)
        return;
    m_closing = true;
    m_framer.stop();
    m_silence.stop();
    if (!reason.isEmpty())
        m_server.host().log("voice: " + reason);
    m_server.closed(*this);
    if (QTcpSocket* socket = m_socket) {
        // The socket outlives this connection until what is queued went out, a refusal's answer included.
        socket->disconnect(this);
        socket->setParent(&m_server);
        connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(5000, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        socket->disconnectFromHost();
        if (socket->state() == QAbstractSocket::UnconnectedState)
            socket->deleteLater();
    }
    deleteLater();
}

} // namespace orv::server
