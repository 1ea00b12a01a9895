#include "support/SocksProxies.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace orv::test {

std::uint16_t freeLoopbackPort() {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    ::close(fd);
    return ntohs(addr.sin_port);
}

namespace {
bool accepting(std::uint16_t port) {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    return ok;
}
} // namespace

ProxyProcess::~ProxyProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool ProxyProcess::startAndWait(const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program, {"/usr/sbin", "/usr/bin"});
    if (path.isEmpty())
        return false;
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(path, arguments);
    if (!m_process.waitForStarted(5000))
        return false;
    // Until it listens or ends; the limit only keeps a hung proxy from hanging the test.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 120000) {
        if (accepting(m_port))
            return true;
        if (m_process.waitForFinished(25))
            return false;
    }
    return false;
}

bool ProxyProcess::startDante() {
    m_port = freeLoopbackPort();
    const QString conf = m_dir.filePath("danted.conf");
    QFile f(conf);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(QString("logoutput: %1\n"
                    "internal: 127.0.0.1 port = %2\n"
                    "external: 127.0.0.1\n"
                    "socksmethod: none\n"
                    "clientmethod: none\n"
                    "user.privileged: root\n"
                    "user.unprivileged: nobody\n"
                    "client pass {\n  from: 127.0.0.0/8 to: 0.0.0.0/0\n}\n"
                    "socks pass {\n  from: 127.0.0.0/8 to: 0.0.0.0/0\n  command: connect\n}\n")
                .arg(m_dir.filePath("danted.log"))
                .arg(m_port)
                .toUtf8());
    f.close();
    return startAndWait("danted", {"-f", conf, "-p", m_dir.filePath("danted.pid")});
}

bool ProxyProcess::startMicrosocks(const QString& user, const QString& password) {
    m_port = freeLoopbackPort();
    return startAndWait("microsocks",
                        {"-i", "127.0.0.1", "-p", QString::number(m_port), "-u", user, "-P", password});
}

Socks4aPeer::Socks4aPeer() {
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(m_listener, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::listen(m_listener, 8);
    socklen_t len = sizeof addr;
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&addr), &len);
    m_port = ntohs(addr.sin_port);
    m_thread = std::thread([this] {
        while (!m_stop) {
            pollfd p{m_listener, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            const int client = ::accept(m_listener, nullptr, nullptr);
            if (client >= 0)
                serve(client);
        }
    });
}

Socks4aPeer::~Socks4aPeer() {
    m_stop = true;
    m_thread.join();
    for (auto& relay : m_relays)
        relay.join();
    ::close(m_listener);
}

namespace {
bool readSome(int fd, std::vector<unsigned char>& out, std::size_t want) {
    while (out.size() < want) {
        unsigned char c;
        if (::recv(fd, &c, 1, 0) != 1)
            return false;
        out.push_back(c);
    }
    return true;
}
bool readZeroTerminated(int fd, std::string& out) {
    for (;;) {
        char c;
        if (::recv(fd, &c, 1, 0) != 1)
            return false;
        if (c == 0)
            return true;
        out.push_back(c);
    }
}
} // namespace

void Socks4aPeer::serve(int client) {
    // VN=4 CD=1 DSTPORT DSTIP(0.0.0.x) USERID\0 HOST\0, then relay both ways until either side closes.
    std::vector<unsigned char> head;
    std::string user, host;
    if (!readSome(client, head, 8) || head[0] != 4 || head[1] != 1 || !readZeroTerminated(client, user) ||
        !readZeroTerminated(client, host)) {
        ::close(client);
        return;
    }
    const std::uint16_t port = std::uint16_t(head[2] << 8 | head[3]);
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    int upstream = -1;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) == 0) {
        upstream = ::socket(AF_INET, SOCK_STREAM, 0);
        if (::connect(upstream, found->ai_addr, found->ai_addrlen) != 0) {
            ::close(upstream);
            upstream = -1;
        }
        ::freeaddrinfo(found);
    }
    const unsigned char reply[8] = {0, std::uint8_t(upstream >= 0 ? 0x5A : 0x5B), 0, 0, 0, 0, 0, 0};
    ::send(client, reply, sizeof reply, MSG_NOSIGNAL);
    if (upstream < 0) {
        ::close(client);
        return;
    }
    ++m_served;
    m_relays.emplace_back([client, upstream, this] {
        pollfd fds[2] = {{client, POLLIN, 0}, {upstream, POLLIN, 0}};
        char buffer[16384];
        while (!m_stop) {
            if (::poll(fds, 2, 50) <= 0)
                continue;
            for (int i = 0; i < 2; ++i) {
                if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                    continue;
                const ssize_t n = ::recv(fds[i].fd, buffer, sizeof buffer, 0);
                if (n <= 0 || ::send(fds[1 - i].fd, buffer, std::size_t(n), MSG_NOSIGNAL) != n) {
                    ::close(client);
                    ::close(upstream);
                    return;
                }
            }
        }
        ::close(client);
        ::close(upstream);
    });
}

} // namespace orv::test
