#pragma once
// TLS over an already connected blocking socket, for the session link's threads: one thread may read while
// another writes. One OpenSSL connection serves both under a mutex that is never held while waiting: the
// socket is switched to non-blocking, and each side waits in poll() for what OpenSSL asks for. Shutting the
// socket down (disconnect, or a SocketAbort it is attached to) ends every wait.
//
// The server's certificate is accepted silently when it chains to the system's trusted roots and names the
// host; any other certificate is put to the trust given to the handshake, with its SHA-256 fingerprint.

#include "platform/ByteChannel.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

using SSL = struct ssl_st;

namespace orv {

// The handshake ended because the certificate was not accepted: not a connection failure, so nothing
// tries again without encryption.
class ETlsRefused : public EChannelError {
public:
    using EChannelError::EChannelError;
};

// The handshake did not complete in a way that says the server does not speak TLS at all: it closed, or
// answered with bytes that are no TLS record.
class ETlsNotOffered : public EChannelError {
public:
    using EChannelError::EChannelError;
};

struct TTlsPeer {
    QString host;
    std::uint16_t port = 0;
    QByteArray fingerprint; // SHA-256 of the certificate's DER bytes
    QString problem;        // why the system does not vouch for it
};

// Decides on a certificate the system does not vouch for.
class ITlsTrust {
public:
    virtual ~ITlsTrust() = default;
    virtual bool Accept(const TTlsPeer& peer) = 0;
};

// "AB:CD:..." as certificate viewers show fingerprints.
QString FingerprintText(const QByteArray& fingerprint);

class TlsChannel final : public IByteChannel {
public:
    // Takes the connected socket, which stays owned by the caller and open until the channel is gone.
    explicit TlsChannel(int fd);
    ~TlsChannel() override;
    TlsChannel(const TlsChannel&) = delete;
    TlsChannel& operator=(const TlsChannel&) = delete;

    // Runs the handshake for `host` (sent as the server name) within `timeoutMs`. Throws ETlsRefused when
    // `trust` (or its absence) refuses the certificate, ETlsNotOffered when the peer is no TLS server,
    // EChannelError otherwise.
    void handshake(const QString& host, std::uint16_t port, ITlsTrust* trust, int timeoutMs);
    QByteArray peerFingerprint() const { return m_fingerprint; }

    // 0 waits for ever. A read that times out leaves the channel usable; a write that does breaks it.
    void setReceiveTimeout(int ms) { m_receiveTimeoutMs = ms; }
    void setSendTimeout(int ms) { m_sendTimeoutMs = ms; }

    bool isConnected() const override { return m_connected.load(); }
    void readExact(void* buffer, std::size_t size) override;
    std::size_t readSome(void* buffer, std::size_t size) override;
    void writeAll(const void* buffer, std::size_t size) override;
    // Shuts the socket down, which ends waits on both sides.
    void disconnect() override;

private:
    struct Connection;
    // Waits until the socket is ready for what OpenSSL wants (`wantWrite`), for at most `timeoutMs` (0: no
    // bound) and never longer than a short slice; the caller tries again and keeps the deadline.
    void wait(bool wantWrite, int timeoutMs) const;
    [[noreturn]] void fail(const std::string& reason);
    // One read or write on the OpenSSL connection, under its lock: its result and, when it did not move
    // bytes, OpenSSL's error kind and text.
    struct TCall {
        int rc;
        int error;
        std::string reason;
    };
    TCall locked(const std::function<int(SSL*)>& call, const char* what);

    int m_fd;
    std::unique_ptr<Connection> m_connection;
    mutable std::mutex m_mutex; // every call into the OpenSSL connection
    std::mutex m_writeMutex;    // one whole write at a time
    std::atomic<bool> m_connected{false};
    std::atomic<int> m_receiveTimeoutMs{0};
    std::atomic<int> m_sendTimeoutMs{0};
    QByteArray m_fingerprint;
};

} // namespace orv
