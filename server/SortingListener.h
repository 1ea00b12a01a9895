#pragma once
// A listener that takes encrypted and plain connections on the same port. Without TLS settings it is a
// plain QTcpServer. With them, each accepted connection is held until its first bytes show which kind it is
// (see ConnectionOpening.h); an encrypted one is handed over once its handshake is done, as a QSslSocket.
// A connection that says nothing, or does not finish its handshake, within the opening time-out is closed,
// as is a plain one when the settings allow only encrypted connections.
//
// Connections are announced by pendingConnectionAvailable, not newConnection.

#include "TlsServerSettings.h"

#include <QTcpServer>

#include <functional>
#include <memory>

namespace orv::server {

class SortingListener : public QTcpServer {
    Q_OBJECT
public:
    using Logger = std::function<void(const QString&)>;

    explicit SortingListener(QObject* parent = nullptr) : QTcpServer(parent) {}

    void setTls(std::shared_ptr<const TlsServerSettings> tls) { m_tls = std::move(tls); }
    void setLogger(Logger logger) { m_log = std::move(logger); }

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    friend class OpeningConnection;
    void log(const QString& line) const;

    std::shared_ptr<const TlsServerSettings> m_tls;
    Logger m_log;
};

} // namespace orv::server
