#pragma once
// Runs a session server on a thread of its own inside the test process, listening on a free loopback port, or
// on a given one (a server started again where the last one was).

#include "ServerConfig.h"
#include "ServiceList.h"

#include <QThread>

#include <functional>

namespace orv::server {
class SessionServer;
}

namespace orv::test {

class ServerThread {
public:
    explicit ServerThread(server::ServerConfig config,
                          server::ServiceFactory services = server::createServices, std::uint16_t port = 0);
    ~ServerThread();
    std::uint16_t port() const { return m_port; }
    // Opens the bulk-transfer port on a free loopback port, which room entry replies then name.
    std::uint16_t listenBulk();
    // Opens the voice port the same way.
    std::uint16_t listenVoice();
    // Runs `work` on the server's thread and waits for it.
    void call(const std::function<void(server::SessionServer&)>& work);

private:
    QThread m_thread;
    QObject* m_context = nullptr;
    server::SessionServer* m_server = nullptr;
    std::uint16_t m_port = 0;
};

} // namespace orv::test
