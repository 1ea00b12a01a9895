#include "platform/ProxyConnector.h"

#include "platform/CurlHandle.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <mutex>
#include <string>

namespace orv {
namespace {

// The sockets the proxy client opens: attached to the abort while in use, and closed by us, except the
// connected one, which the TcpClient owns once the handshake is done.
struct SocketHooks {
    SocketAbort* abort = nullptr;
    curl_socket_t kept = CURL_SOCKET_BAD;
};

curl_socket_t openSocket(void* hooks, curlsocktype, curl_sockaddr* address) {
    const curl_socket_t fd = ::socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
    if (fd != CURL_SOCKET_BAD)
        if (SocketAbort* abort = static_cast<SocketHooks*>(hooks)->abort)
            abort->attach(fd);
    return fd;
}

int closeSocket(void* hooks, curl_socket_t fd) {
    auto* h = static_cast<SocketHooks*>(hooks);
    if (fd == h->kept)
        return 0;
    if (h->abort)
        h->abort->detach(fd);
    return ::close(fd);
}

// Ends the handshake once aborted, should the shut-down socket not have done so already.
int abortHandshake(void* hooks, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const SocketAbort* abort = static_cast<SocketHooks*>(hooks)->abort;
    return abort && abort->aborted() ? 1 : 0;
}

// Accepts the one certificate the control connection accepted.
class PinnedCertificate final : public ITlsTrust {
public:
    explicit PinnedCertificate(QByteArray fingerprint) : m_fingerprint(std::move(fingerprint)) {}
    bool Accept(const TTlsPeer& peer) override {
        return !m_fingerprint.isEmpty() && peer.fingerprint == m_fingerprint;
    }

private:
    QByteArray m_fingerprint;
};

const char* schemeOf(int version) {
    switch (version) {
    case TProxySettings::Socks4:
        return "socks4";
    case TProxySettings::Socks4A:
        return "socks4a";
    default:
        return "socks5h"; // the proxy resolves the name, as SOCKS 5 clients behind a proxy expect
    }
}

} // namespace

void ConnectThrough(TcpClient& client, const QString& host, std::uint16_t port, const TProxySettings& proxy,
                    int timeoutMs, SocketAbort* abort) {
    if (!proxy.inUse()) {
        client.connectTo(host, port, timeoutMs, abort);
        return;
    }
    CurlHandle curl = NewCurlHandle();
    if (!curl)
        throw EChannelError("cannot start the proxy client");
    char error[CURL_ERROR_SIZE] = {};
    const std::string target = QString("http://%1:%2/").arg(host).arg(port).toStdString();
    const std::string proxyUrl =
        QString("%1://%2:%3").arg(schemeOf(proxy.version), proxy.host).arg(proxy.port).toStdString();
    const std::string user = proxy.userName.toStdString();
    const std::string password = proxy.password.toStdString();

    SocketHooks hooks{abort};
    CURL* h = curl.get();
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(h, CURLOPT_URL, target.c_str());
    curl_easy_setopt(h, CURLOPT_CONNECT_ONLY, 1L);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_PROXY, proxyUrl.c_str());
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, long(timeoutMs));
    curl_easy_setopt(h, CURLOPT_OPENSOCKETFUNCTION, openSocket);
    curl_easy_setopt(h, CURLOPT_OPENSOCKETDATA, &hooks);
    curl_easy_setopt(h, CURLOPT_CLOSESOCKETFUNCTION, closeSocket);
    curl_easy_setopt(h, CURLOPT_CLOSESOCKETDATA, &hooks);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, abortHandshake);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &hooks);
    if (proxy.authentication && proxy.version == TProxySettings::Socks5) {
        curl_easy_setopt(h, CURLOPT_PROXYUSERNAME, user.c_str());
        curl_easy_setopt(h, CURLOPT_PROXYPASSWORD, password.c_str());
    } else if (proxy.version != TProxySettings::Socks5 && !user.empty()) {
        curl_easy_setopt(h, CURLOPT_PROXYUSERNAME, user.c_str()); // the SOCKS 4 user id
    }

    const CURLcode rc = curl_easy_perform(h);
    if (rc != CURLE_OK)
        throw EChannelError(std::string("proxy: ") + (error[0] ? error : curl_easy_strerror(rc)));
    curl_socket_t fd = CURL_SOCKET_BAD;
    if (curl_easy_getinfo(h, CURLINFO_ACTIVESOCKET, &fd) != CURLE_OK || fd == CURL_SOCKET_BAD)
        throw EChannelError("proxy: no connected socket");
    hooks.kept = fd;
    const int flags = fcntl(fd, F_GETFL, 0);
    fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    curl.reset(); // the socket stays open: see closeSocket
    if (abort && abort->aborted()) {
        abort->detach(fd);
        ::close(fd);
        throw EChannelError("proxy: connection aborted");
    }
    client.adopt(fd, host, port, abort);
}

void ConnectThrough(TcpClient& client, const QString& host, std::uint16_t port, const TProxySettings& proxy,
                    const TServerTls& tls, int timeoutMs, SocketAbort* abort) {
    ConnectThrough(client, host, port, proxy, timeoutMs, abort);
    if (!tls.encrypted)
        return;
    PinnedCertificate pinned(tls.fingerprint);
    client.startTls(&pinned, timeoutMs);
}

} // namespace orv
