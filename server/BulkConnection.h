#pragma once
// One bulk-transfer connection on the server: one request, answered from or into the resource store, then
// the connection closes. An upload's file goes to disk as it arrives; a download's reply is handed to the
// download senders (on an encrypted connection, sent here block by block), so memory stays small whatever
// the size. A refused upload is still read to its end, so
// that the client, which reads the reply only after sending everything, gets the refusal's code.

#include "BulkRequestFramer.h"
#include "ResourceStore.h"

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QTemporaryFile>
#include <QTimer>

#include <memory>
#include <optional>

namespace orv::server {

class BulkTransferServer;

class BulkConnection : public QObject, private BulkRequestFramer::Sink {
    Q_OBJECT
public:
    BulkConnection(QTcpSocket* socket, BulkTransferServer& server);
    ~BulkConnection() override;

private:
    void onReadyRead();
    void onDisconnected();
    void pump();
    // The next blocks of an encrypted download, while the socket's buffer is short.
    void sendDownloadBlocks();
    void onRequest(const TTransferRequest& request) override;
    void onContent(const char* data, qsizetype size) override;
    void onContentEnd() override;
    void onMalformed(const QString& reason) override;

    std::uint16_t admitUpload(TTransferKind kind) const;
    void startDownload(TTransferKind kind);
    // Sends a reply without payload, then closes once it is out.
    void reply(std::uint16_t command, std::uint16_t resultCode);
    void finish(const QString& outcome);
    void drop(const QString& reason);
    QString describe() const;

    QPointer<QTcpSocket> m_socket;
    BulkTransferServer& m_server;
    QString m_peer;
    BulkRequestFramer m_framer{*this};
    QTimer m_stall;
    TTransferRequest m_request;
    std::optional<TAccountRecord> m_member;
    std::optional<TTransferKind> m_upload;
    std::uint16_t m_refusal = 0; // nonzero: the upload is refused, its bytes are read and dropped
    std::unique_ptr<QTemporaryFile> m_content;
    QByteArray m_block; // what each read takes from the socket
    bool m_closing = false;
    bool m_encrypted = false;          // only the socket object can read and write the stream
    std::unique_ptr<QFile> m_download; // an encrypted download's file, until all of it is written
    qint64 m_downloadLeft = 0;
};

} // namespace orv::server
