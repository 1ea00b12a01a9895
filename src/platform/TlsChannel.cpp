#include "platform/TlsChannel.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>

namespace orv {
namespace {

using Clock = std::chrono::steady_clock;

// A wait is cut into slices so that a reader also notices records the writer's side may have taken in.
constexpr int kWaitSliceMs = 250;

std::string lastError(const char* what) {
    const unsigned long code = ERR_get_error();
    ERR_clear_error();
    if (code == 0)
        return std::string(what) + ": " + std::strerror(errno);
    char text[256];
    ERR_error_string_n(code, text, sizeof text);
    return std::string(what) + ": " + text;
}

// The socket's bytes through send() with MSG_NOSIGNAL, so that a vanished peer is an error, not SIGPIPE.
int bioWrite(BIO* bio, const char* data, int size) {
    BIO_clear_retry_flags(bio);
    const auto n = ::send(int(reinterpret_cast<std::intptr_t>(BIO_get_data(bio))), data, std::size_t(size),
                          MSG_NOSIGNAL);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
        BIO_set_retry_write(bio);
    return int(n);
}

int bioRead(BIO* bio, char* data, int size) {
    BIO_clear_retry_flags(bio);
    const auto n =
        ::recv(int(reinterpret_cast<std::intptr_t>(BIO_get_data(bio))), data, std::size_t(size), 0);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
        BIO_set_retry_read(bio);
    return int(n);
}

long bioControl(BIO*, int command, long, void*) {
    return command == BIO_CTRL_FLUSH ? 1 : 0;
}

int bioCreate(BIO* bio) {
    BIO_set_init(bio, 1);
    return 1;
}

const BIO_METHOD* socketMethod() {
    static BIO_METHOD* const method = [] {
        BIO_METHOD* m = BIO_meth_new(BIO_get_new_index() | BIO_TYPE_SOURCE_SINK, "orvane socket");
        BIO_meth_set_write(m, bioWrite);
        BIO_meth_set_read(m, bioRead);
        BIO_meth_set_ctrl(m, bioControl);
        BIO_meth_set_create(m, bioCreate);
        return m;
    }();
    return method;
}

bool isAddress(const std::string& host) {
    unsigned char buffer[sizeof(in6_addr)];
    return inet_pton(AF_INET, host.c_str(), buffer) == 1 || inet_pton(AF_INET6, host.c_str(), buffer) == 1;
}

// Whether anything TLS came from the server: a handshake message or an alert. Until then a failure means
// the server does not speak TLS.
void noteServerRecord(int writing, int, int contentType, const void*, std::size_t, SSL*, void* heard) {
    if (!writing && (contentType == SSL3_RT_HANDSHAKE || contentType == SSL3_RT_ALERT))
        *static_cast<bool*>(heard) = true;
}

int remainingMs(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return int(std::clamp<long long>(left, 0, INT_MAX));
}

Clock::time_point deadlineAfter(int timeoutMs) {
    return timeoutMs > 0 ? Clock::now() + std::chrono::milliseconds(timeoutMs) : Clock::time_point::max();
}

} // namespace

QString FingerprintText(const QByteArray& fingerprint) {
    return QString::fromLatin1(fingerprint.toHex(':').toUpper());
}

struct TlsChannel::Connection {
    SSL_CTX* context = nullptr;
    SSL* ssl = nullptr;
    bool heardServer = false;
    ~Connection() {
        SSL_free(ssl);
        SSL_CTX_free(context);
    }
};

TlsChannel::TlsChannel(int fd) : m_fd(fd), m_connection(std::make_unique<Connection>()) {}

TlsChannel::~TlsChannel() = default;

void TlsChannel::fail(const std::string& reason) {
    m_connected = false;
    throw EChannelError(reason);
}

void TlsChannel::wait(bool wantWrite, int timeoutMs) const {
    pollfd p{m_fd, short(wantWrite ? POLLOUT : POLLIN), 0};
    ::poll(&p, 1, timeoutMs > 0 ? std::min(timeoutMs, kWaitSliceMs) : kWaitSliceMs);
}

void TlsChannel::handshake(const QString& host, std::uint16_t port, ITlsTrust* trust, int timeoutMs) {
    Connection& c = *m_connection;
    // A context per connection: the trusted roots are read as they are at the time.
    c.context = SSL_CTX_new(TLS_client_method());
    if (!c.context)
        throw EChannelError(lastError("TLS"));
    SSL_CTX_set_min_proto_version(c.context, TLS1_2_VERSION);
    SSL_CTX_set_options(c.context, SSL_OP_NO_RENEGOTIATION | SSL_OP_IGNORE_UNEXPECTED_EOF);
    SSL_CTX_set_mode(c.context, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
    SSL_CTX_set_default_verify_paths(c.context);
    // Verified, but decided on here rather than by OpenSSL: an unknown certificate may still be trusted.
    SSL_CTX_set_verify(c.context, SSL_VERIFY_NONE, nullptr);
    c.ssl = SSL_new(c.context);
    BIO* bio = BIO_new(socketMethod());
    if (!c.ssl || !bio) {
        BIO_free(bio);
        throw EChannelError(lastError("TLS"));
    }
    BIO_set_data(bio, reinterpret_cast<void*>(std::intptr_t(m_fd)));
    SSL_set_bio(c.ssl, bio, bio);
    const std::string name = host.toStdString();
    if (isAddress(name)) {
        X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(c.ssl), name.c_str());
    } else {
        SSL_set_tlsext_host_name(c.ssl, name.c_str());
        SSL_set1_host(c.ssl, name.c_str());
    }
    SSL_set_msg_callback(c.ssl, noteServerRecord);
    SSL_set_msg_callback_arg(c.ssl, &c.heardServer);
    const int flags = fcntl(m_fd, F_GETFL, 0);
    fcntl(m_fd, F_SETFL, flags | O_NONBLOCK);

    const Clock::time_point deadline = deadlineAfter(timeoutMs);
    for (;;) {
        ERR_clear_error();
        const int rc = SSL_connect(c.ssl);
        if (rc == 1)
            break;
        const int error = SSL_get_error(c.ssl, rc);
        if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) {
            if (Clock::now() >= deadline)
                throw EChannelError("TLS: no handshake in time");
            wait(error == SSL_ERROR_WANT_WRITE, timeoutMs > 0 ? std::max(1, remainingMs(deadline)) : 0);
            continue;
        }
        const std::string reason = lastError("TLS handshake");
        if (!c.heardServer)
            throw ETlsNotOffered("the server does not offer encryption (" + reason + ")");
        throw EChannelError(reason);
    }
    SSL_set_msg_callback(c.ssl, nullptr);

    X509* certificate = SSL_get1_peer_certificate(c.ssl);
    if (!certificate)
        throw ETlsRefused("TLS: the server shows no certificate");
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    X509_digest(certificate, EVP_sha256(), digest, &length);
    X509_free(certificate);
    m_fingerprint = QByteArray(reinterpret_cast<const char*>(digest), int(length));
    const long verdict = SSL_get_verify_result(c.ssl);
    if (verdict != X509_V_OK) {
        const TTlsPeer peer{host, port, m_fingerprint,
                            QString::fromLatin1(X509_verify_cert_error_string(verdict))};
        if (!trust || !trust->Accept(peer))
            throw ETlsRefused("TLS: the server's certificate was not accepted");
    }
    m_connected = true;
}

TlsChannel::TCall TlsChannel::locked(const std::function<int(SSL*)>& call, const char* what) {
    std::lock_guard lock(m_mutex);
    ERR_clear_error();
    TCall result{call(m_connection->ssl), SSL_ERROR_NONE, {}};
    if (result.rc <= 0) {
        result.error = SSL_get_error(m_connection->ssl, result.rc);
        result.reason = lastError(what);
    }
    return result;
}

std::size_t TlsChannel::readSome(void* buffer, std::size_t size) {
    const int timeoutMs = m_receiveTimeoutMs;
    const Clock::time_point deadline = deadlineAfter(timeoutMs);
    for (;;) {
        if (!m_connected)
            throw EChannelError("not connected");
        const auto [rc, error, reason] =
            locked([&](SSL* ssl) { return SSL_read(ssl, buffer, int(std::min<std::size_t>(size, INT_MAX))); },
                   "TLS read");
        if (rc > 0)
            return std::size_t(rc);
        if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) {
            if (Clock::now() >= deadline)
                throw EChannelError("no answer in time"); // the connection itself is still usable
            wait(error == SSL_ERROR_WANT_WRITE, timeoutMs > 0 ? std::max(1, remainingMs(deadline)) : 0);
            continue;
        }
        if (error == SSL_ERROR_ZERO_RETURN || (error == SSL_ERROR_SYSCALL && rc == 0))
            fail("connection closed by peer");
        fail(reason);
    }
}

void TlsChannel::readExact(void* buffer, std::size_t size) {
    auto* out = static_cast<char*>(buffer);
    while (size > 0) {
        const std::size_t n = readSome(out, size);
        out += n;
        size -= n;
    }
}

void TlsChannel::writeAll(const void* buffer, std::size_t size) {
    std::lock_guard whole(m_writeMutex);
    const auto* in = static_cast<const char*>(buffer);
    const int timeoutMs = m_sendTimeoutMs;
    Clock::time_point deadline = deadlineAfter(timeoutMs);
    while (size > 0) {
        if (!m_connected)
            throw EChannelError("not connected");
        const auto [rc, error, reason] =
            locked([&](SSL* ssl) { return SSL_write(ssl, in, int(std::min<std::size_t>(size, INT_MAX))); },
                   "TLS write");
        if (rc > 0) {
            in += rc;
            size -= std::size_t(rc);
            deadline = deadlineAfter(timeoutMs);
            continue;
        }
        if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) {
            if (Clock::now() >= deadline)
                fail("the peer stopped reading"); // part of the bytes may have gone
            wait(error == SSL_ERROR_WANT_WRITE, timeoutMs > 0 ? std::max(1, remainingMs(deadline)) : 0);
            continue;
        }
        fail(reason);
    }
}

void TlsChannel::disconnect() {
    // shutdown, not close: the other thread may be waiting on the descriptor, which must stay valid.
    ::shutdown(m_fd, SHUT_RDWR);
    m_connected = false;
}

} // namespace orv
