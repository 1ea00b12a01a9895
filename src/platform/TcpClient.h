#pragma once
// Blocking TCP client over POSIX sockets. One thread may read while another writes; writes are serialised.

#include "platform/ByteChannel.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>

namespace orv {

class TcpClient final : public IByteChannel {
public:
    TcpClient() = default;
    ~TcpClient() override;
    TcpClient(const TcpClient&) = delete;
    TcpClient& operator=(const TcpClient&) = delete;

    // Connects directly; throws EChannelError with a readable reason on failure or time-out.
    void connectTo(const QString& host, std::uint16_t port, int timeoutMs);
    // Takes over an already connected socket (for example one that a proxy negotiation produced).
    void adopt(int fd, const QString& host, std::uint16_t port);
    // Closes the socket. Only when no other thread uses the client any more.
    void close();
    // Bounds every later read: a read that waits longer fails. 0 waits for ever.
    void setReceiveTimeout(int ms);

    bool isConnected() const override { return m_connected.load(); }
    void readExact(void* buffer, std::size_t size) override;
    std::size_t readSome(void* buffer, std::size_t size) override;
    void writeAll(const void* buffer, std::size_t size) override;
    void disconnect() override;

    QString host() const { return m_host; }
    std::uint16_t port() const { return m_port; }

private:
    int m_fd = -1;
    std::atomic<bool> m_connected{false};
    std::mutex m_writeMutex;
    QString m_host;
    std::uint16_t m_port = 0;
};

} // namespace orv
