#include "platform/TcpClient.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace orv {
namespace {

std::string errnoText(const char* what, int err) {
    return std::string(what) + ": " + std::strerror(err);
}

bool setBlocking(int fd, bool blocking) {
    int flags = fcntl(fd, F_GETFL, 0);
    if (flags < 0)
        return false;
    flags = blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK);
    return fcntl(fd, F_SETFL, flags) == 0;
}

// Closes a socket that did not connect, keeping the reason in errno.
int giveUp(int fd, int err, SocketAbort* abort) {
    if (abort)
        abort->detach(fd);
    ::close(fd);
    errno = err;
    return -1;
}

// Non-blocking connect bounded by the time-out; returns the connected blocking socket or -1 with errno set.
// An abort shuts the socket down, which ends the wait at once.
int connectWithTimeout(const addrinfo* ai, int timeoutMs, SocketAbort* abort) {
    int fd = ::socket(ai->ai_family, ai->ai_socktype | SOCK_CLOEXEC, ai->ai_protocol);
    if (fd < 0)
        return -1;
    if (abort)
        abort->attach(fd);
    if (!setBlocking(fd, false))
        return giveUp(fd, errno, abort);
    int rc = ::connect(fd, ai->ai_addr, ai->ai_addrlen);
    if (rc != 0 && errno == EINPROGRESS) {
        pollfd p{fd, POLLOUT, 0};
        do {
            rc = ::poll(&p, 1, timeoutMs);
        } while (rc < 0 && errno == EINTR);
        if (rc == 0)
            return giveUp(fd, ETIMEDOUT, abort);
        int soError = 0;
        socklen_t len = sizeof soError;
        if (rc < 0 || getsockopt(fd, SOL_SOCKET, SO_ERROR, &soError, &len) != 0 || soError != 0)
            return giveUp(fd, rc < 0 ? errno : (soError ? soError : errno), abort);
    } else if (rc != 0) {
        return giveUp(fd, errno, abort);
    }
    if (abort && abort->aborted())
        return giveUp(fd, ECANCELED, abort);
    setBlocking(fd, true);
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return fd;
}

} // namespace

TcpClient::~TcpClient() {
    close();
}

void TcpClient::connectTo(const QString& host, std::uint16_t port, int timeoutMs, SocketAbort* abort) {
    close();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    const std::string service = std::to_string(port);
    const int gai = ::getaddrinfo(host.toStdString().c_str(), service.c_str(), &hints, &list);
    if (gai != 0)
        throw EChannelError("cannot resolve " + host.toStdString() + ": " + gai_strerror(gai));
    int fd = -1;
    int lastErr = 0;
    for (addrinfo* ai = list; ai && fd < 0 && !(abort && abort->aborted()); ai = ai->ai_next) {
        fd = connectWithTimeout(ai, timeoutMs, abort);
        if (fd < 0)
            lastErr = errno;
    }
    ::freeaddrinfo(list);
    if (fd < 0)
        throw EChannelError(errnoText("connect", lastErr ? lastErr : ECANCELED));
    adopt(fd, host, port, abort);
}

void TcpClient::adopt(int fd, const QString& host, std::uint16_t port, SocketAbort* abort) {
    close();
    m_fd = fd;
    m_abort = abort;
    m_host = host;
    m_port = port;
    m_receiveTimeoutMs = 0; // a new socket's own
    m_sendTimeoutMs = 0;
    m_connected = true;
}

void TcpClient::startTls(ITlsTrust* trust, int timeoutMs) {
    if (m_fd < 0)
        throw EChannelError("not connected");
    auto tls = std::make_unique<TlsChannel>(m_fd);
    tls->setReceiveTimeout(m_receiveTimeoutMs);
    tls->setSendTimeout(m_sendTimeoutMs);
    try {
        tls->handshake(m_host, m_port, trust, timeoutMs);
    } catch (const EChannelError&) {
        tls.reset();
        close();
        throw;
    }
    m_tls = std::move(tls);
}

void TcpClient::close() {
    m_tls.reset();
    if (m_fd >= 0) {
        if (m_abort)
            m_abort->detach(m_fd);
        m_abort = nullptr;
        ::shutdown(m_fd, SHUT_RDWR);
        ::close(m_fd);
        m_fd = -1;
    }
    m_connected = false;
}

void TcpClient::setReceiveTimeout(int ms) {
    m_receiveTimeoutMs = ms;
    if (m_tls)
        m_tls->setReceiveTimeout(ms);
    if (m_fd < 0)
        return;
    timeval tv{ms / 1000, (ms % 1000) * 1000};
    setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
}

void TcpClient::setSendTimeout(int ms) {
    m_sendTimeoutMs = ms;
    if (m_tls)
        m_tls->setSendTimeout(ms);
    if (m_fd < 0)
        return;
    timeval tv{ms / 1000, (ms % 1000) * 1000};
    setsockopt(m_fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
}

void TcpClient::readExact(void* buffer, std::size_t size) {
    if (m_tls)
        return m_tls->readExact(buffer, size);
    auto* out = static_cast<char*>(buffer);
    while (size > 0) {
        if (!m_connected)
            throw EChannelError("not connected");
        ssize_t n = ::recv(m_fd, out, size, 0);
        if (n > 0) {
            out += n;
            size -= static_cast<std::size_t>(n);
        } else if (n == 0) {
            m_connected = false;
            throw EChannelError("connection closed by peer");
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            throw EChannelError("no answer in time"); // the connection itself is still usable
        } else if (errno != EINTR) {
            int err = errno;
            m_connected = false;
            throw EChannelError(errnoText("recv", err));
        }
    }
}

std::size_t TcpClient::readSome(void* buffer, std::size_t size) {
    if (m_tls)
        return m_tls->readSome(buffer, size);
    for (;;) {
        if (!m_connected)
            throw EChannelError("not connected");
        const ssize_t n = ::recv(m_fd, buffer, size, 0);
        if (n > 0)
            return std::size_t(n);
        if (n == 0) {
            m_connected = false;
            throw EChannelError("connection closed by peer");
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            throw EChannelError("no answer in time");
        if (errno != EINTR) {
            const int err = errno;
            m_connected = false;
            throw EChannelError(errnoText("recv", err));
        }
    }
}

void TcpClient::writeAll(const void* buffer, std::size_t size) {
    if (m_tls)
        return m_tls->writeAll(buffer, size);
    std::lock_guard lock(m_writeMutex);
    const auto* in = static_cast<const char*>(buffer);
    while (size > 0) {
        if (!m_connected)
            throw EChannelError("not connected");
        ssize_t n = ::send(m_fd, in, size, MSG_NOSIGNAL);
        if (n > 0) {
            in += n;
            size -= static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            m_connected = false; // part of the bytes may have gone: the stream is no longer whole
            throw EChannelError("the peer stopped reading");
        } else if (n < 0 && errno != EINTR) {
            int err = errno;
            m_connected = false;
            throw EChannelError(errnoText("send", err));
        }
    }
}

void TcpClient::disconnect() {
    // shutdown, not close: another thread may be blocked on the descriptor, which must stay valid.
    if (m_tls)
        m_tls->disconnect();
    if (m_fd >= 0)
        ::shutdown(m_fd, SHUT_RDWR);
    m_connected = false;
}

} // namespace orv
