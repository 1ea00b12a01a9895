#include "support/ServerThread.h"

#include "SessionServer.h"

#include <QHostAddress>

#include <stdexcept>

namespace orv::test {

ServerThread::ServerThread(server::ServerConfig config, server::ServiceFactory services, std::uint16_t port) {
    m_thread.start();
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    QMetaObject::invokeMethod(
        m_context,
        [&] {
            config.videoPort = 0; // a free port, as every service that listens takes in tests
            m_server = new server::SessionServer(std::move(config), services);
            m_server->setQuiet(qEnvironmentVariableIsEmpty("ORV_SERVER_LOG"));
            m_server->setVerbose(!qEnvironmentVariableIsEmpty("ORV_SERVER_LOG"));
            if (m_server->listen(QHostAddress::LocalHost, port))
                m_port = m_server->port();
        },
        Qt::BlockingQueuedConnection);
    if (m_port == 0)
        throw std::runtime_error("test server could not listen");
}

ServerThread::~ServerThread() {
    QMetaObject::invokeMethod(
        m_context,
        [&] {
            delete m_server;
            delete m_context;
        },
        Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

std::uint16_t ServerThread::listenBulk() {
    std::uint16_t port = 0;
    call([&](server::SessionServer& s) {
        if (s.listenBulk(QHostAddress::LocalHost, 0))
            port = s.bulk()->port();
    });
    if (port == 0)
        throw std::runtime_error("test server could not listen for transfers");
    return port;
}

std::uint16_t ServerThread::listenVoice() {
    std::uint16_t port = 0;
    call([&](server::SessionServer& s) {
        if (s.listenVoice(QHostAddress::LocalHost, 0))
            port = s.voice()->port();
    });
    if (port == 0)
        throw std::runtime_error("test server could not listen for voice");
    return port;
}

void ServerThread::call(const std::function<void(server::SessionServer&)>& work) {
    QMetaObject::invokeMethod(
        m_context, [&] { work(*m_server); }, Qt::BlockingQueuedConnection);
}

} // namespace orv::test
