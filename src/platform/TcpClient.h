#pragma once
// Blocking TCP client over POSIX sockets. One thread may read while another writes; writes are serialised.
// Once startTls() succeeded, every read and write goes through TLS.

#include "platform/ByteChannel.h"
#include "platform/SocketAbort.h"
#include "platform/TlsChannel.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

namespace orv {

class TcpClient final : public IByteChannel {
public:
    TcpClient() = default;
    ~TcpClient() override;
    TcpClient(const TcpClient&) = delete;
    TcpClient& operator=(const TcpClient&) = delete;

    // Connects directly; throws EChannelError with a readable reason on failure, time-out or abort. With
    // `abort`, every socket tried and then the connected one stay attached to it until close().
    void connectTo(const QString& host, std::uint16_t port, int timeoutMs, SocketAbort* abort = nullptr);
    // Takes over an already connected socket (for example one that a proxy negotiation produced), already
    // attached to `abort` when one is given.
    void adopt(int fd, const QString& host, std::uint16_t port, SocketAbort* abort = nullptr);
    // Closes the socket. Only when no other thread uses the client any more.
    void close();
    // Bounds every later read: a read that waits longer fails. 0 waits for ever.
    void setReceiveTimeout(int ms);
    // Bounds every later write the same way: a peer that stops reading fails the write.
    void setSendTimeout(int ms);

    // Encrypts the connection: the TLS handshake, bounded by `timeoutMs`, with the host given at connection
    // as the server's name. Throws as TlsChannel::handshake; the client is closed then.
    void startTls(ITlsTrust* trust, int timeoutMs);
    bool isEncrypted() const { return m_tls != nullptr; }
    // The SHA-256 of the server's certificate; empty without TLS.
    QByteArray peerFingerprint() const { return m_tls ? m_tls->peerFingerprint() : QByteArray(); }

    bool isConnected() const override { return m_tls ? m_tls->isConnected() : m_connected.load(); }
    void readExact(void* buffer, std::size_t size) override;
    std::size_t readSome(void* buffer, std::size_t size) override;
    void writeAll(const void* buffer, std::size_t size) override;
    void disconnect() override;

    QString host() const { return m_host; }
    std::uint16_t port() const { return m_port; }

private:
    int m_fd = -1;
    SocketAbort* m_abort = nullptr;
    std::atomic<bool> m_connected{false};
    std::unique_ptr<TlsChannel> m_tls;
    int m_receiveTimeoutMs = 0;
    int m_sendTimeoutMs = 0;
    std::mutex m_writeMutex;
    QString m_host;
    std::uint16_t m_port = 0;
};

} // namespace orv
