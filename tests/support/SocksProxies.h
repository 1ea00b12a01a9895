#pragma once
// Real SOCKS proxies on loopback for tests: Dante (SOCKS 4 and 5), microsocks (SOCKS 5 with a user name
// and password), and a small SOCKS 4A peer of our own, since Dante does not serve 4A.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

namespace orv::test {

// A free loopback port (bound, then released).
std::uint16_t freeLoopbackPort();

class ProxyProcess {
public:
    ~ProxyProcess();
    // False when the program is not installed or never started listening.
    bool startDante();
    bool startMicrosocks(const QString& user, const QString& password);
    std::uint16_t port() const { return m_port; }

private:
    bool startAndWait(const QString& program, const QStringList& arguments);
    QTemporaryDir m_dir;
    QProcess m_process;
    std::uint16_t m_port = 0;
};

// Serves SOCKS 4A connect requests (the proxy resolves the name) until destroyed.
class Socks4aPeer {
public:
    Socks4aPeer();
    ~Socks4aPeer();
    std::uint16_t port() const { return m_port; }
    int served() const { return m_served.load(); }

private:
    void serve(int client);
    int m_listener = -1;
    std::uint16_t m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_served{0};
    std::thread m_thread;
    std::vector<std::thread> m_relays; // joined on destruction
};

} // namespace orv::test
