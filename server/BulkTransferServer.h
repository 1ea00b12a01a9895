#pragma once
// The bulk-transfer port: a listener of its own beside the control connection. Every connection carries one
// upload or one download between a participant in a room and the resource store, then closes.

#include "DownloadSenders.h"
#include "ResourceStore.h"
#include "SortingListener.h"

#include <QHostAddress>
#include <QObject>

#include <optional>

namespace orv::server {

// What the port needs of the session server.
class BulkHost {
public:
    virtual ~BulkHost() = default;
    // The account of `userId` while that user is signed in and in a room whose number's low 16 bits are
    // `roomId` (the header's RoomId); none otherwise.
    virtual std::optional<TAccountRecord> memberInRoom(std::uint16_t userId, std::uint16_t roomId) const = 0;
    virtual ResourceStore& resources() = 0;
    virtual void log(const QString& line) const = 0;
};

class BulkTransferServer : public QObject {
    Q_OBJECT
public:
    // A connection that neither sends nor takes anything for this long is dropped.
    static constexpr int kDefaultStallTimeoutMs = 60000;

    explicit BulkTransferServer(BulkHost& host, QObject* parent = nullptr);
    ~BulkTransferServer() override;

    // Before listen(): encrypted connections beside plain ones.
    void setTls(std::shared_ptr<const TlsServerSettings> tls) { m_listener.setTls(std::move(tls)); }
    bool listen(const QHostAddress& address, std::uint16_t port);
    std::uint16_t port() const { return m_listener.serverPort(); }
    void setStallTimeoutMs(int ms) { m_stallTimeoutMs = ms; }
    int stallTimeoutMs() const { return m_stallTimeoutMs; }
    BulkHost& host() { return m_host; }
    DownloadSenders& senders() { return m_senders; }

private:
    void onNewConnection();

    BulkHost& m_host;
    SortingListener m_listener;
    int m_stallTimeoutMs = kDefaultStallTimeoutMs;
    DownloadSenders m_senders;
};

} // namespace orv::server
