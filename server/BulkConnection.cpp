#include "BulkConnection.h"

#include "BulkTransferServer.h"
#include "protocol/Constants.h"
#include "protocol/ResultCodes.h"

#include <QHostAddress>
#include <QSslSocket>

#include <sys/socket.h>
#include <unistd.h>

namespace orv::server {
namespace {
// Little is kept in the socket object's own buffer: the rest is read straight from the socket.
constexpr qint64 kBulkReadBuffer = 64 * 1024;
constexpr qsizetype kReadBlock = 256 * 1024;
constexpr int kBlocksPerTurn = 16;

const char* kindName(TTransferKind kind) {
    static const char* const names[] = {"document", "library image", "web link",
                                        "picture",  "presentation",  "slide"};
    return names[kind];
}
} // namespace

BulkConnection::BulkConnection(QTcpSocket* socket, BulkTransferServer& server)
    : QObject(&server), m_socket(socket), m_server(server) {
    socket->setParent(this);
    socket->setReadBufferSize(kBulkReadBuffer);
    m_peer = QString("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort());
    const auto* secure = qobject_cast<QSslSocket*>(socket);
    m_encrypted = secure && secure->isEncrypted();
    m_stall.setSingleShot(true);
    m_stall.setInterval(server.stallTimeoutMs());
    connect(&m_stall, &QTimer::timeout, this, [this] { drop("nothing moved for too long"); });
    connect(socket, &QTcpSocket::readyRead, this, &BulkConnection::onReadyRead);
    connect(socket, &QTcpSocket::bytesWritten, this, &BulkConnection::pump);
    connect(socket, &QTcpSocket::disconnected, this, &BulkConnection::onDisconnected);
    m_stall.start();
}

BulkConnection::~BulkConnection() = default;

QString BulkConnection::describe() const {
    const QString who = m_member ? QString("%1 (%2)").arg(m_peer, m_member->UserName()) : m_peer;
    const auto kind = m_upload ? m_upload : DownloadKindOf(m_request.header.Command);
    return QString("%1 %2 of %3 \"%4\"")
        .arg(who, m_upload ? "upload" : "download", kind ? kindName(*kind) : "?",
             m_request.record.FileName());
}

void BulkConnection::onReadyRead() {
    if (!m_socket)
        return;
    m_stall.start();
    if (m_block.isEmpty())
        m_block.resize(kReadBlock);
    for (qint64 n; m_socket && (n = m_socket->read(m_block.data(), m_block.size())) > 0;)
        if (!m_closing)
            m_framer.feed(m_block.constData(), n);
    // What else is waiting comes straight from the socket, past the socket object's own buffer; a few
    // blocks at a time, so that a fast upload never holds up the other connections.
    for (int blocks = 0; blocks < kBlocksPerTurn && m_socket && !m_closing && !m_encrypted; ++blocks) {
        const ssize_t n = ::recv(int(m_socket->socketDescriptor()), m_block.data(),
                                 std::size_t(m_block.size()), MSG_DONTWAIT);
        if (n <= 0)
            break;
        m_framer.feed(m_block.constData(), n);
    }
}

void BulkConnection::onRequest(const TTransferRequest& request) {
    m_request = request;
    m_member = m_server.host().memberInRoom(request.header.UserId, request.header.RoomId);
    if (const auto kind = UploadKindOf(request.header.Command)) {
        m_upload = kind;
        m_refusal = admitUpload(*kind);
        if (m_refusal == ResultCode::Success && *kind != tkWebLink) {
            m_content = m_server.host().resources().createContent(m_member->Room(), *kind);
            if (!m_content)
                m_refusal = ResultCode::UploadFailed;
        }
        return;
    }
    startDownload(*DownloadKindOf(request.header.Command));
}

std::uint16_t BulkConnection::admitUpload(TTransferKind kind) const {
    const TResourceRecord& record = m_request.record;
    if (!m_member || (kind != tkPicture && !m_member->CanManageLibrary()))
        return ResultCode::NoPermission;
    if (kind == tkPicture && record.FileSize() > kMaxPictureBytes)
        return ResultCode::UploadFailed;
    if (kind == tkWebLink && record.FileSize() != 0)
        return ResultCode::InvalidParameter;
    return m_server.host().resources().admit(m_member->Room(), kind, record);
}

void BulkConnection::onContent(const char* data, qsizetype size) {
    if (m_content && m_content->write(data, size) != size) {
        m_content.reset();
        m_refusal = ResultCode::UploadFailed;
    }
}

void BulkConnection::onContentEnd() {
    if (!m_upload)
        return; // a download's request has no content
    std::uint16_t code = m_refusal;
    if (code == ResultCode::Success)
        code = m_server.host().resources().keep(m_member->Room(), *m_upload, m_request.record, *m_member,
                                                std::move(m_content));
    reply(code == ResultCode::Success ? std::uint16_t(UploadReplyCommand(*m_upload))
                                      : m_request.header.Command,
          code);
    finish(code == ResultCode::Success ? QString("%1 bytes kept").arg(m_request.record.FileSize())
                                       : QString("refused with %1").arg(code));
}

void BulkConnection::startDownload(TTransferKind kind) {
    const std::uint16_t command = m_request.header.Command;
    if (!m_member) {
        reply(command, ResultCode::NoPermission);
        finish("refused: not in that room");
        return;
    }
    auto found = m_server.host().resources().find(m_member->Room(), kind, m_request.record);
    QFile file(found ? found->path : QString());
    if (!found || !file.open(QIODevice::ReadOnly)) {
        reply(command, ResultCode::FileNotFound);
        finish("refused: no such resource");
        return;
    }
    found->record.SetLocalPath(m_request.record.LocalPath());
    TPacketHeader header;
    FillHeader(command, m_request.header.UserId, m_request.header.RoomId, header);
    header.DataSize = std::int32_t(TResourceRecord::kSize) + found->record.FileSize();
    if (m_encrypted) {
        finish(QString("sending %1 bytes").arg(found->record.FileSize()));
        m_download = std::make_unique<QFile>(found->path);
        m_download->open(QIODevice::ReadOnly);
        m_downloadLeft = found->record.FileSize();
        m_closing = true;
        m_socket->write(header.toByteArray() + found->record.toByteArray());
        pump();
        return;
    }
    // The reply goes out on a thread of its own, on copies of the descriptors; ours close here.
    const int socket = ::dup(int(m_socket->socketDescriptor()));
    const int content = ::dup(file.handle());
    if (socket < 0 || content < 0) {
        ::close(socket);
        ::close(content);
        drop("no descriptor left for the download");
        return;
    }
    finish(QString("sending %1 bytes").arg(found->record.FileSize()));
    m_server.senders().start(socket, content, header.toByteArray() + found->record.toByteArray(),
                             found->record.FileSize(), m_server.stallTimeoutMs());
    m_closing = true;
    m_socket->abort();
    onDisconnected();
}

void BulkConnection::reply(std::uint16_t command, std::uint16_t resultCode) {
    TPacketHeader header;
    FillHeader(command, m_request.header.UserId, m_request.header.RoomId, header);
    header.ResultCode = resultCode;
    m_closing = true;
    if (m_socket)
        m_socket->write(header.toByteArray());
    pump();
}

void BulkConnection::finish(const QString& outcome) {
    m_server.host().log(QString("%1: %2").arg(describe(), outcome));
}

void BulkConnection::pump() {
    if (!m_socket)
        return;
    m_stall.start();
    sendDownloadBlocks();
    if (m_socket && !m_download && m_closing && m_socket->state() == QAbstractSocket::ConnectedState)
        m_socket->disconnectFromHost(); // once the reply has gone out
}

void BulkConnection::sendDownloadBlocks() {
    while (m_download && m_socket && m_socket->bytesToWrite() < kReadBlock) {
        if (m_downloadLeft == 0) {
            m_download.reset();
            return;
        }
        const QByteArray block = m_download->read(std::min<qint64>(m_downloadLeft, kBulkReadBuffer));
        if (block.isEmpty()) {
            m_download.reset();
            drop("the file ended before its size");
            return;
        }
        m_downloadLeft -= block.size();
        m_socket->write(block);
    }
}

void BulkConnection::onMalformed(const QString& reason) {
    reply(m_request.header.Command, ResultCode::InvalidParameter);
    m_server.host().log(QString("%1: malformed request: %2").arg(m_peer, reason));
}

void BulkConnection::drop(const QString& reason) {
    m_server.host().log(QString("%1: dropped: %2").arg(m_peer, reason));
    m_closing = true;
    if (m_socket)
        m_socket->abort();
    onDisconnected();
}

void BulkConnection::onDisconnected() {
    m_stall.stop();
    m_content.reset(); // an unfinished upload's file goes
    deleteLater();
}

} // namespace orv::server
