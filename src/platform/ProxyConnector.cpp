#include "platform/ProxyConnector.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <memory>
#include <mutex>
#include <string>

namespace orv {
namespace {

void initCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Keeps the socket open when the handle is cleaned up: the TcpClient owns it from then on.
int keepSocket(void*, curl_socket_t) {
    return 0;
}

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

struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

} // namespace

void ConnectThrough(TcpClient& client, const QString& host, std::uint16_t port, const TProxySettings& proxy,
                    int timeoutMs) {
    if (!proxy.inUse()) {
        client.connectTo(host, port, timeoutMs);
        return;
    }
    initCurlOnce();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl)
        throw EChannelError("cannot start the proxy client");
    char error[CURL_ERROR_SIZE] = {};
    const std::string target = QString("http://%1:%2/").arg(host).arg(port).toStdString();
    const std::string proxyUrl =
        QString("%1://%2:%3").arg(schemeOf(proxy.version), proxy.host).arg(proxy.port).toStdString();
    const std::string user = proxy.userName.toStdString();
    const std::string password = proxy.password.toStdString();

    CURL* h = curl.get();
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(h, CURLOPT_URL, target.c_str());
    curl_easy_setopt(h, CURLOPT_CONNECT_ONLY, 1L);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_PROXY, proxyUrl.c_str());
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, long(timeoutMs));
    curl_easy_setopt(h, CURLOPT_CLOSESOCKETFUNCTION, keepSocket);
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
    const int flags = fcntl(fd, F_GETFL, 0);
    fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    curl.reset(); // the socket stays open: see keepSocket
    client.adopt(fd, host, port);
}

} // namespace orv
