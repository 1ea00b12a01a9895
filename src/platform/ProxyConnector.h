#pragma once
// Opens a TCP connection directly or through a SOCKS 4, 4A or 5 proxy (with user name and password on 5).
// Every connection the client makes to the session server's host goes through here.

#include "platform/TcpClient.h"

#include <QString>

#include <cstdint>

namespace orv {

struct TProxySettings {
    enum Version { NoSocks = 0, Socks4 = 1, Socks4A = 2, Socks5 = 3 };
    bool enabled = false;
    int version = NoSocks;
    QString host;
    std::uint16_t port = 1080;
    bool authentication = false;
    QString userName;
    QString password;

    // A proxy is in use only when it is switched on and names a SOCKS version.
    bool inUse() const { return enabled && version >= Socks4 && version <= Socks5; }
};

// Whether a connection to the session server is encrypted, as its control connection turned out.
struct TServerTls {
    bool encrypted = false;
    // The certificate the control connection accepted: the other connections accept it again, silently,
    // and no other one the system does not vouch for.
    QByteArray fingerprint;
};

// Connects `client` to host:port within `timeoutMs`; throws EChannelError with a readable reason. With
// `abort`, another thread can end the attempt at any stage, the proxy's handshake included, and the
// connected socket stays attached to it (see TcpClient).
void ConnectThrough(TcpClient& client, const QString& host, std::uint16_t port, const TProxySettings& proxy,
                    int timeoutMs, SocketAbort* abort = nullptr);
// The same, then the TLS handshake when `tls` says so.
void ConnectThrough(TcpClient& client, const QString& host, std::uint16_t port, const TProxySettings& proxy,
                    const TServerTls& tls, int timeoutMs, SocketAbort* abort = nullptr);

} // namespace orv
