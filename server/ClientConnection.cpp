#include "ClientConnection.h"

#include "SessionServer.h"
#include "protocol/PacketHeader.h"

#include <QHostAddress>

namespace orv::server {
namespace {
// Keep the socket's own buffer short; the rest waits in our queue where it is counted.
constexpr qint64 kSocketLowWater = 256 * 1024;
constexpr qint64 kFileBlock = 64 * 1024;
// Beyond this much waiting for a client, its requests are not read until it reads: it is slowed, not dropped.
constexpr qint64 kReadPauseBytes = 1024 * 1024;
// What Qt buffers from the socket for us; beyond it the client's own sending waits.
constexpr qint64 kControlReadBuffer = 256 * 1024;
} // namespace

ClientConnection::ClientConnection(QTcpSocket* socket, SessionServer& server)
    : QObject(&server), m_socket(socket), m_server(server) {
    socket->setParent(this);
    m_address = socket->peerAddress().toString();
    m_peer = QString("%1:%2").arg(m_address).arg(socket->peerPort());
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket->setReadBufferSize(kControlReadBuffer);
    m_age.start();
    connect(socket, &QTcpSocket::readyRead, this, &ClientConnection::onReadyRead);
    connect(socket, &QTcpSocket::bytesWritten, this, &ClientConnection::pump);
    connect(socket, &QTcpSocket::disconnected, this, &ClientConnection::onDisconnected);
}

ClientConnection::~ClientConnection() = default;

QString ClientConnection::who() const {
    return m_signedIn ? QString("%1 (%2, id %3)").arg(m_peer, m_account.UserName()).arg(m_account.UserId())
                      : m_peer;
}

void ClientConnection::markSignedIn(const TAccountRecord& account) {
    m_account = account;
    m_signedIn = true;
}

void ClientConnection::send(const QByteArray& bytes) {
    if (closing() || bytes.isEmpty())
        return;
    m_queuedBytes += bytes.size();
    if (m_queuedBytes > kMaxQueuedBytes) {
        abort("output queue overflow: the client does not read");
        return;
    }
    m_output.push_back({bytes, {}, nullptr, 0});
    pump();
}

void ClientConnection::sendFile(const QString& path, qint64 size) {
    if (closing() || size <= 0)
        return;
    // Counted like any other queued byte, so a client that asks for files and never reads hits the cap.
    m_queuedBytes += size;
    if (m_queuedBytes > kMaxQueuedBytes) {
        abort("output queue overflow: the client does not read");
        return;
    }
    m_output.push_back({{}, path, nullptr, size});
    pump();
}

void ClientConnection::sendPacket(std::uint16_t command, const QByteArray& payload,
                                  std::uint16_t resultCode) {
    send(BuildPacket(command, m_account.UserId(), std::uint16_t(m_account.Room()), payload, resultCode));
}

void ClientConnection::sendPacketWithFile(std::uint16_t command, const QByteArray& payload,
                                          const QString& path, qint64 fileSize) {
    TPacketHeader h;
    FillHeader(command, m_account.UserId(), std::uint16_t(m_account.Room()), h);
    h.DataSize = std::int32_t(payload.size() + fileSize);
    send(h.toByteArray() + payload);
    sendFile(path, fileSize);
}

void ClientConnection::dropQueued() {
    // A file already on its way is finished, so the framing the client relies on holds.
    const bool started = !m_output.empty() && m_output.front().file;
    while (m_output.size() > (started ? 1u : 0u)) {
        const Outgoing& last = m_output.back();
        m_queuedBytes -= last.bytes.isEmpty() ? last.fileLeft : last.bytes.size();
        m_output.pop_back();
    }
}

void ClientConnection::closeAfterFlush(const QString& reason) {
    if (closing())
        return;
    m_closingSinceMs = m_age.elapsed();
    m_server.log(QString("%1 closing: %2").arg(who(), reason));
    m_framer.stop();
    m_closeWhenFlushed = true;
    pump();
}

void ClientConnection::abort(const QString& reason) {
    if (!m_socket)
        return;
    m_server.log(QString("%1 dropped: %2").arg(who(), reason));
    m_framer.stop();
    m_closeWhenFlushed = false;
    m_output.clear();
    m_queuedBytes = 0;
    m_socket->abort();
    onDisconnected();
}

void ClientConnection::pump() {
    if (!m_socket)
        return;
    while (!m_output.empty() && m_socket->bytesToWrite() < kSocketLowWater) {
        Outgoing& front = m_output.front();
        if (!front.bytes.isEmpty()) {
            m_socket->write(front.bytes);
            m_queuedBytes -= front.bytes.size();
            m_output.pop_front();
            continue;
        }
        if (!front.file) {
            front.file = std::make_unique<QFile>(front.path);
            front.file->open(QIODevice::ReadOnly); // a file that cannot be read sends zeros
        }
        const qint64 want = std::min(kFileBlock, front.fileLeft);
        QByteArray block = front.file->isOpen() ? front.file->read(want) : QByteArray();
        if (block.size() < want)
            block.append(QByteArray(want - block.size(), '\0'));
        m_socket->write(block);
        front.fileLeft -= want;
        m_queuedBytes -= want;
        if (front.fileLeft == 0)
            m_output.pop_front();
    }
    if (m_readPaused && m_queuedBytes <= kReadPauseBytes) {
        m_readPaused = false;
        QMetaObject::invokeMethod(this, &ClientConnection::onReadyRead, Qt::QueuedConnection);
    }
    if (m_output.empty() && m_closeWhenFlushed && m_socket->state() == QAbstractSocket::ConnectedState)
        m_socket->disconnectFromHost(); // waits for the socket's own buffer to drain
}

void ClientConnection::onDisconnected() {
    if (m_closedSignalled)
        return;
    m_closedSignalled = true;
    m_framer.stop();
    emit closed(this);
    deleteLater();
}

void ClientConnection::onReadyRead() {
    if (!m_socket)
        return;
    if (m_queuedBytes > kReadPauseBytes) {
        m_readPaused = true;
        return;
    }
    const QByteArray bytes = m_socket->readAll();
    if (bytes.isEmpty())
        return;
    m_lastInputMs = m_age.elapsed();
    m_framer.feed(bytes);
    if (!m_framer.holdsPartial())
        m_partialSinceMs = -1;
    else if (m_partialSinceMs < 0)
        m_partialSinceMs = m_lastInputMs;
}

void ClientConnection::checkTimeouts() {
    if (!m_socket)
        return;
    const ServerConfig& limits = m_server.config();
    const qint64 now = m_age.elapsed();
    if (m_closingSinceMs >= 0) {
        if (now - m_closingSinceMs > limits.closeTimeoutMs)
            abort("it did not take its last bytes in time");
        return;
    }
    if (!m_signedIn && now > limits.signInTimeoutMs)
        abort("no sign-in in time");
    else if (m_partialSinceMs >= 0 && now - m_partialSinceMs > limits.packetTimeoutMs)
        abort("a packet it started did not end in time");
    else if (m_signedIn && now - m_lastInputMs > limits.silenceTimeoutMs)
        abort("silent for longer than the keep-alive allows");
}

void ClientConnection::onVersion(const TVersionRecord& record) {
    m_server.handleVersion(*this, record);
}

void ClientConnection::onSignIn(const TSignInRecord& record) {
    m_server.handleSignIn(*this, record);
}

void ClientConnection::onPacket(const TPacketHeader& header, const QByteArray& stream) {
    m_server.handlePacket(*this, header, stream);
}

QString ClientConnection::refusal(const TPacketHeader& header) {
    return m_server.headerRefusal(header);
}

void ClientConnection::onMalformed(const QString& reason) {
    abort(reason);
}

} // namespace orv::server
