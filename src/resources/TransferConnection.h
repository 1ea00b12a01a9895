#pragma once
// The connection of one transfer: to the control connection's host on the bulk-transfer port, directly or
// through the same SOCKS proxy, with a time-out on connecting and on every read or write that stalls.
// Abort() ends it from any thread at whatever stage it is.

#include "platform/ProxyConnector.h"
#include "platform/SocketAbort.h"
#include "platform/TcpClient.h"

#include <QString>

namespace orv {

struct TTransferEndpoint {
    QString host;
    std::uint16_t port = 0;
    TProxySettings proxy;
    TServerTls tls;
    int connectTimeoutMs = 20000;
    int stallTimeoutMs = 60000; // a read or write that moves nothing for this long ends the transfer
};

class TransferConnection {
public:
    // Throws EChannelError when no connection comes about.
    void Open(const TTransferEndpoint& endpoint);
    void Abort() { m_abort.abort(); }
    // On the transfer's own thread, once the exchange is over.
    void Close() { m_client.close(); }
    IByteChannel& Channel() { return m_client; }

private:
    SocketAbort m_abort;
    TcpClient m_client;
};

} // namespace orv
