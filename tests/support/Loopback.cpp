#include "support/Loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace orv::test {

LoopbackListener::LoopbackListener() {
    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(m_fd, SOMAXCONN) != 0)
        throw std::runtime_error("cannot listen on loopback");
    socklen_t len = sizeof addr;
    ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&addr), &len);
    m_port = ntohs(addr.sin_port);
}

LoopbackListener::~LoopbackListener() {
    ::close(m_fd);
}

int LoopbackListener::accept() {
    return ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC);
}

LoopbackPair::LoopbackPair() {
    LoopbackListener listener;
    client.connectTo("127.0.0.1", listener.port(), 5000);
    m_peer = listener.accept();
    if (m_peer < 0)
        throw std::runtime_error("accept failed");
}

LoopbackPair::~LoopbackPair() {
    peerClose();
}

void LoopbackPair::peerWrite(const QByteArray& bytes) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        ssize_t n = ::send(m_peer, p, std::size_t(left), MSG_NOSIGNAL);
        if (n <= 0)
            throw std::runtime_error("peer write failed");
        p += n;
        left -= n;
    }
}

QByteArray LoopbackPair::peerRead(std::size_t size) {
    QByteArray out(qsizetype(size), '\0');
    std::size_t got = 0;
    while (got < size) {
        ssize_t n = ::recv(m_peer, out.data() + got, size - got, 0);
        if (n <= 0)
            throw std::runtime_error("peer read failed");
        got += std::size_t(n);
    }
    return out;
}

void LoopbackPair::peerClose() {
    if (m_peer >= 0) {
        ::close(m_peer);
        m_peer = -1;
    }
}

} // namespace orv::test
