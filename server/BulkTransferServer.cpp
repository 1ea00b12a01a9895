#include "BulkTransferServer.h"

#include "BulkConnection.h"

#include <QTcpSocket>

namespace orv::server {

BulkTransferServer::BulkTransferServer(BulkHost& host, QObject* parent) : QObject(parent), m_host(host) {
    m_listener.setLogger([this](const QString& line) { m_host.log("transfers: " + line); });
    connect(&m_listener, &QTcpServer::pendingConnectionAvailable, this, &BulkTransferServer::onNewConnection);
}

BulkTransferServer::~BulkTransferServer() = default;

bool BulkTransferServer::listen(const QHostAddress& address, std::uint16_t port) {
    if (!m_listener.listen(address, port)) {
        m_host.log("cannot listen for transfers: " + m_listener.errorString());
        return false;
    }
    m_host.log(QString("transfers on %1:%2, resources in %3")
                   .arg(address.toString())
                   .arg(m_listener.serverPort())
                   .arg(m_host.resources().root()));
    return true;
}

void BulkTransferServer::onNewConnection() {
    while (QTcpSocket* socket = m_listener.nextPendingConnection())
        new BulkConnection(socket, *this); // a child: it deletes itself once closed
}

} // namespace orv::server
