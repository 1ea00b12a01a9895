#pragma once
// The server's certificate and key for encrypted connections, read and checked once at start-up.

#include <QSslConfiguration>
#include <QString>

#include <memory>

namespace orv::server {

struct TlsServerSettings {
    QSslConfiguration configuration; // the certificate chain and its private key
    bool tlsOnly = false;            // plain connections are closed
    int openingTimeoutMs = 15000;    // to send the first bytes and finish the handshake
};

// Reads a PEM certificate chain and its unencrypted PEM private key. Throws std::runtime_error naming the
// file and what is wrong with it (unreadable, not a certificate, not a key, a key of another certificate).
std::shared_ptr<TlsServerSettings> loadTlsServerSettings(const QString& certificateFile,
                                                         const QString& keyFile);

} // namespace orv::server
