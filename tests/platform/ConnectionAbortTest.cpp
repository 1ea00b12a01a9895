// Ending a connection's blocking calls from another thread, at each stage: a connect attempt that gets no
// answer, a SOCKS handshake the proxy never answers, a read, and a write the peer never takes.
#include "platform/ProxyConnector.h"
#include "platform/SocketAbort.h"
#include "support/Loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace orv {
namespace {

constexpr int kLongTimeoutMs = 60000;

// A loopback listener that never accepts, its backlog filled, so that a further connect gets no answer.
class FullListener {
public:
    FullListener() {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(m_fd, 0);
        socklen_t len = sizeof addr;
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&addr), &len);
        m_port = ntohs(addr.sin_port);
        for (int i = 0; i < 4; ++i) {
            const int c = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            ::connect(c, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
            m_fillers.push_back(c);
        }
    }
    ~FullListener() {
        for (int c : m_fillers)
            ::close(c);
        ::close(m_fd);
    }
    std::uint16_t port() const { return m_port; }

private:
    int m_fd = -1;
    std::uint16_t m_port = 0;
    std::vector<int> m_fillers;
};

// Runs `blocking` on a thread, aborts once `ready` says the call is under way, and expects the call to end
// with an error well before its own time-out.
void expectAbortEnds(
    SocketAbort& abort, const std::function<void()>& blocking, const std::function<void()>& ready = [] {}) {
    QElapsedTimer timer;
    timer.start();
    auto outcome = std::async(std::launch::async, [&] {
        try {
            blocking();
            return false;
        } catch (const EChannelError&) {
            return true;
        }
    });
    ready();
    abort.abort();
    ASSERT_EQ(outcome.wait_for(std::chrono::seconds(10)), std::future_status::ready)
        << "the call never ended";
    EXPECT_TRUE(outcome.get()) << "an aborted call fails";
    EXPECT_LT(timer.elapsed(), 10000);
}

TEST(ConnectionAbort, EndsAConnectAttemptThatGetsNoAnswer) {
    FullListener listener;
    SocketAbort abort;
    TcpClient client;
    expectAbortEnds(abort, [&] { client.connectTo("127.0.0.1", listener.port(), kLongTimeoutMs, &abort); });
    EXPECT_FALSE(client.isConnected());
}

TEST(ConnectionAbort, EndsASocksHandshakeTheProxyNeverAnswers) {
    test::LoopbackListener silentProxy;
    std::mutex mutex;
    std::condition_variable changed;
    int accepted = -1;
    std::thread acceptor([&] {
        const int fd = silentProxy.accept();
        std::lock_guard lock(mutex);
        accepted = fd;
        changed.notify_all();
    });
    SocketAbort abort;
    TcpClient client;
    const TProxySettings proxy{true, TProxySettings::Socks5, "127.0.0.1", silentProxy.port(), false, {}, {}};
    expectAbortEnds(
        abort, [&] { ConnectThrough(client, "127.0.0.1", 9, proxy, kLongTimeoutMs, &abort); },
        [&] {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return accepted >= 0; });
        });
    acceptor.join();
    ::close(accepted);
    EXPECT_FALSE(client.isConnected());
}

TEST(ConnectionAbort, EndsAReadAndRefusesAConnectAfterwards) {
    test::LoopbackListener listener;
    SocketAbort abort;
    TcpClient client;
    client.connectTo("127.0.0.1", listener.port(), 5000, &abort);
    const int peer = listener.accept();
    char byte;
    expectAbortEnds(abort, [&] { client.readExact(&byte, 1); });
    EXPECT_THROW(client.connectTo("127.0.0.1", listener.port(), 5000, &abort), EChannelError)
        << "an aborted connection stays aborted";
    ::close(peer);
}

TEST(ConnectionAbort, AWriteThePeerNeverTakesFailsAfterTheSendTimeout) {
    test::LoopbackPair pair;
    pair.client.setSendTimeout(200);
    const QByteArray block(1 << 20, 'x');
    QElapsedTimer timer;
    timer.start();
    EXPECT_THROW(
        {
            for (int i = 0; i < 1024; ++i)
                pair.client.writeAll(block.constData(), std::size_t(block.size()));
        },
        EChannelError);
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_FALSE(pair.client.isConnected());
}

} // namespace
} // namespace orv
