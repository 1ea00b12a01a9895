#include "support/RecordingRelay.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace orv::test {
namespace {

int listenOnLoopback(std::uint16_t& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::listen(fd, 16);
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    port = ntohs(addr.sin_port);
    return fd;
}

int connectToLoopback(std::uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(port);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

RecordingRelay::RecordingRelay(std::uint16_t target) : m_target(target) {
    m_listener = listenOnLoopback(m_port);
    m_acceptor = std::thread([this] {
        while (!m_stop) {
            pollfd p{m_listener, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (client >= 0)
                m_relays.emplace_back([this, client] { relay(client); });
        }
    });
}

RecordingRelay::~RecordingRelay() {
    m_stop = true;
    m_acceptor.join();
    for (std::thread& t : m_relays)
        t.join();
    ::close(m_listener);
}

QByteArray RecordingRelay::recorded() const {
    std::lock_guard lock(m_mutex);
    return m_recorded;
}

void RecordingRelay::relay(int client) {
    const int server = connectToLoopback(m_target);
    pollfd ends[2] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
    char buffer[16384];
    while (server >= 0 && !m_stop) {
        if (::poll(ends, 2, 50) <= 0)
            continue;
        bool closed = false;
        for (int i = 0; i < 2 && !closed; ++i) {
            if (!(ends[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            const ssize_t n = ::recv(ends[i].fd, buffer, sizeof buffer, 0);
            if (n <= 0) {
                closed = true;
                break;
            }
            {
                std::lock_guard lock(m_mutex);
                m_recorded.append(buffer, n);
            }
            ::send(ends[1 - i].fd, buffer, std::size_t(n), MSG_NOSIGNAL);
        }
        if (closed)
            break;
    }
    if (server >= 0)
        ::close(server);
    ::close(client);
}

} // namespace orv::test
