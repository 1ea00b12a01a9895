#include "resources/TransferConnection.h"

namespace orv {

void TransferConnection::Open(const TTransferEndpoint& endpoint) {
    if (endpoint.host.isEmpty() || endpoint.port == 0)
        throw EChannelError("no file service to connect to");
    ConnectThrough(m_client, endpoint.host, endpoint.port, endpoint.proxy, endpoint.tls,
                   endpoint.connectTimeoutMs, &m_abort);
    m_client.setReceiveTimeout(endpoint.stallTimeoutMs);
    m_client.setSendTimeout(endpoint.stallTimeoutMs);
}

} // namespace orv
