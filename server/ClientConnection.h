#pragma once
// One client's control connection on the server: the two bare records, then framed packets. Output goes
// through a bounded queue that streams files in blocks, so one slow client never holds the server up.

#include "InputFramer.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/IncomingPacket.h"
#include "protocol/SignInRecords.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QTcpSocket>

#include <deque>
#include <memory>

namespace orv::server {

class SessionServer;

class ClientConnection : public QObject, private InputFramer::Sink {
    Q_OBJECT
public:
    // Bytes waiting in memory beyond which a client counts as not reading, and is dropped.
    static constexpr qint64 kMaxQueuedBytes = 16 * 1024 * 1024;

    ClientConnection(QTcpSocket* socket, SessionServer& server);
    ~ClientConnection() override;

    void send(const QByteArray& bytes);
    // Streams `size` bytes of the file after what is queued; pads with zeros if the file turns out shorter,
    // so the framing the peer relies on holds.
    void sendFile(const QString& path, qint64 size);
    // A packet from the server; UserId and RoomId default to this client's own.
    void sendPacket(std::uint16_t command, const QByteArray& payload = {}, std::uint16_t resultCode = 0);
    // A packet whose payload is `payload` followed by `fileSize` bytes of a file; DataSize covers both.
    void sendPacketWithFile(std::uint16_t command, const QByteArray& payload, const QString& path,
                            qint64 fileSize);
    // Closes once everything queued has been written.
    void closeAfterFlush(const QString& reason);
    // Forgets what waits in the queue and has not started out: a connection being replaced gets only its
    // notice.
    void dropQueued();
    // Drops the connection when it has overstayed one of the server's time-outs.
    void checkTimeouts();
    // Drops the connection at once.
    void abort(const QString& reason);

    bool isSignedIn() const { return m_signedIn; }
    void markSignedIn(const TAccountRecord& account);
    TAccountRecord& account() { return m_account; }
    const TAccountRecord& account() const { return m_account; }
    // The account record's room field, which fills RoomId of what this client is sent. Who is in which
    // room is the server's RoomMembers.
    std::int32_t room() const { return m_account.Room(); }
    void setRoom(std::int32_t room) { m_account.SetRoom(room); }
    QString peer() const { return m_peer; }
    QString address() const { return m_address; } // the peer's, without its port
    QString who() const;                          // peer, and the user name once signed in

signals:
    void closed(ClientConnection* connection);

private:
    struct Outgoing {
        QByteArray bytes;
        QString path;                // a file's bytes, opened only when its turn comes
        std::unique_ptr<QFile> file; // open while its bytes go out
        qint64 fileLeft = 0;
    };

    void onReadyRead();
    void onDisconnected();
    void pump();
    bool closing() const { return m_framer.stopped(); }
    void onVersion(const TVersionRecord& record) override;
    void onSignIn(const TSignInRecord& record) override;
    void onPacket(const TPacketHeader& header, const QByteArray& stream) override;
    void onMalformed(const QString& reason) override;
    QString refusal(const TPacketHeader& header) override;

    QPointer<QTcpSocket> m_socket;
    SessionServer& m_server;
    QString m_peer;
    QString m_address;
    InputFramer m_framer{*this};
    std::deque<Outgoing> m_output;
    qint64 m_queuedBytes = 0;
    bool m_closeWhenFlushed = false;
    bool m_readPaused = false;
    QElapsedTimer m_age;      // since the connection came
    qint64 m_lastInputMs = 0; // on m_age
    qint64 m_partialSinceMs = -1;
    qint64 m_closingSinceMs = -1;
    bool m_closedSignalled = false;
    bool m_signedIn = false;
    TAccountRecord m_account;
};

} // namespace orv::server
