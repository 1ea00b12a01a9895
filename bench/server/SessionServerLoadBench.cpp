// A bounded load run on loopback: 300 simulated clients, each on a thread of its own and all at once, sign
// in, enter rooms, send heartbeats and ask for the room list, against a real orvane-session-server process.
// Each figure has a baseline in the same run with the same exchanges, byte counts and concurrency over raw
// loopback sockets: the same clients against a responder that, like the server, serves every connection
// from one thread and answers each request with a reply of the server's size (for a sign-in, the version
// record and then the sign-in record, two round trips). Every reply from the server is checked (the right
// account, all rooms listed); a wrong one or a dropped client fails the run. Prints the ratios and the
// server's peak memory. Stops by itself.
// Usage: bench_server_load [CLIENTS]   (default 300)
#include "BenchRatio.h"

#include "protocol/CommandCatalogue.h"
#include "protocol/RoomRecords.h"
#include "protocol/SignInRecords.h"
#include "support/ServerProcess.h"
#include "support/SimulatedClient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace orv;

namespace {

constexpr std::uint16_t kPort = 19931;
constexpr int kRoundTrips = 20; // room list requests per client
constexpr int kRooms = 10;
constexpr std::size_t kHeader = TPacketHeader::kSize;
constexpr std::size_t kRoomListReply = kHeader + kRooms * TRoomListEntry::kSize;
int clients = 300;

QString writeConfig(const QTemporaryDir& dir) {
    QString text = QString("[server]\nport=%1\nbulk_port=0\n").arg(kPort);
    for (int i = 1; i <= clients; ++i)
        text +=
            QString("[account.user%1]\nuser_id=%1\npassword=pw%1\nfirst_name=User\nlast_name=%1\n").arg(i);
    for (int room = 1; room <= kRooms; ++room)
        text += QString("[room.%1]\nname=Room %1\nmicrophones=2\n").arg(room);
    const QString path = dir.filePath("load.ini");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text.toUtf8());
    return path;
}

// The reply to the client's own request; what the room tells it about others on the way is read and dropped.
test::ReceivedPacket replyTo(test::SimulatedClient& client, TCommandCode command) {
    auto packet = client.readPacket();
    while (packet.header.Command != command)
        packet = client.readPacket();
    return packet;
}

struct Exchange {
    std::size_t request, reply;
};

// The baselines' answering side: one thread and one poll loop for every connection, as in the server. Each
// connection runs the same script: a request of the given size read whole, then a reply of the given size.
class Responder {
public:
    Responder(std::vector<Exchange> script, int connections)
        : m_script(std::move(script)), m_connections(connections) {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof addr;
        if (::bind(m_listener, reinterpret_cast<sockaddr*>(&addr), length) != 0 ||
            ::listen(m_listener, SOMAXCONN) != 0 ||
            ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&addr), &length) != 0)
            throw std::runtime_error("cannot listen on loopback");
        m_port = ntohs(addr.sin_port);
        m_thread = std::thread([this] { run(); });
    }
    ~Responder() {
        m_thread.join();
        ::close(m_listener);
    }
    std::uint16_t port() const { return m_port; }

private:
    struct Connection {
        std::size_t step = 0, got = 0;
    };

    void run() {
        std::vector<pollfd> polled{{m_listener, POLLIN, 0}};
        std::vector<Connection> state{{}};
        std::vector<int> served; // connections done with their script, kept open as the server keeps clients
        std::vector<char> buffer(64 * 1024);
        std::size_t longest = 0;
        for (const Exchange& step : m_script)
            longest = std::max(longest, step.reply);
        const QByteArray reply(qsizetype(longest), 'a');
        int finished = 0;
        // Ends when every connection has run its script, or when nothing happens for 30 s.
        while (finished<m_connections&& ::poll(polled.data(), polled.size(), 30000)> 0) {
            for (std::size_t i = 1; i < polled.size(); ++i) {
                if (polled[i].fd < 0 || !(polled[i].revents & (POLLIN | POLLHUP | POLLERR)))
                    continue;
                Connection& c = state[i];
                const Exchange& step = m_script[c.step];
                const ssize_t n = ::recv(polled[i].fd, buffer.data(), step.request - c.got, MSG_DONTWAIT);
                if (n <= 0) {
                    ::close(polled[i].fd);
                    polled[i].fd = -1;
                    ++finished;
                    continue;
                }
                c.got += std::size_t(n);
                if (c.got < step.request)
                    continue;
                [[maybe_unused]] const ssize_t sent =
                    ::send(polled[i].fd, reply.constData(), step.reply, MSG_NOSIGNAL);
                c.got = 0;
                if (++c.step == m_script.size()) {
                    served.push_back(polled[i].fd);
                    polled[i].fd = -1;
                    ++finished;
                }
            }
            if (polled[0].revents & POLLIN)
                for (int fd; (fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
                    polled.push_back({fd, POLLIN, 0});
                    state.push_back({});
                }
        }
        for (std::size_t i = 1; i < polled.size(); ++i)
            if (polled[i].fd >= 0)
                ::close(polled[i].fd);
        for (const int fd : served)
            ::close(fd);
    }

    std::vector<Exchange> m_script;
    int m_connections;
    int m_listener = -1;
    std::uint16_t m_port = 0;
    std::thread m_thread;
};

// Every client on a thread of its own, all at once.
template <typename Work> double runWorkers(Work work) {
    QElapsedTimer timer;
    timer.start();
    std::vector<std::thread> threads;
    for (int i = 0; i < clients; ++i)
        threads.emplace_back([&, i] { work(i); });
    for (auto& t : threads)
        t.join();
    return double(timer.nsecsElapsed()) / 1e9;
}

std::atomic<int> rawFailures{0};

// One raw client's side of a script: each request's bytes written, each reply read whole.
void runScript(TcpClient& c, const std::vector<Exchange>& script) {
    try {
        QByteArray reply;
        for (const Exchange& step : script) {
            const QByteArray request(qsizetype(step.request), 'r');
            c.writeAll(request.constData(), step.request);
            reply.resize(qsizetype(step.reply));
            c.readExact(reply.data(), step.reply);
        }
    } catch (const std::exception&) {
        ++rawFailures;
    }
}

// Baseline of the sign-ins: connect, the version record and its reply header, the sign-in record and its
// reply header with the account record.
double rawSignInSeconds() {
    const std::vector<Exchange> script = {{TVersionRecord::kSize, kHeader},
                                          {TSignInRecord::kSize, kHeader + TAccountRecord::kSize}};
    Responder responder(script, clients);
    return runWorkers([&](int) {
        TcpClient c;
        try {
            c.connectTo("127.0.0.1", responder.port(), 5000);
        } catch (const std::exception&) {
            ++rawFailures;
            return;
        }
        runScript(c, script);
    });
}

// Baseline of the room list requests, on connections made beforehand as the server's clients are.
double rawRoundTripSeconds() {
    const std::vector<Exchange> script(kRoundTrips, Exchange{kHeader, kRoomListReply});
    Responder responder(script, clients);
    std::vector<std::unique_ptr<TcpClient>> connections;
    for (int i = 0; i < clients; ++i) {
        connections.push_back(std::make_unique<TcpClient>());
        try {
            connections.back()->connectTo("127.0.0.1", responder.port(), 5000);
        } catch (const std::exception&) {
            ++rawFailures;
            connections.back().reset();
        }
    }
    return runWorkers([&](int i) {
        if (connections[std::size_t(i)])
            runScript(*connections[std::size_t(i)], script);
    });
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc > 1)
        clients = std::max(1, std::atoi(argv[1]));
    QTemporaryDir dir;
    QProcess server;
    if (!test::StartServerProcess(server, ORV_SERVER_BINARY, writeConfig(dir), kPort))
        return 1;

    std::vector<std::unique_ptr<test::SimulatedClient>> simulated(static_cast<std::size_t>(clients));
    std::atomic<int> failures{0};
    const double signInSeconds = runWorkers([&](int i) {
        try {
            auto c = std::make_unique<test::SimulatedClient>();
            const TAccountRecord account =
                c->connectAndSignIn(kPort, QString("user%1").arg(i + 1), QString("pw%1").arg(i + 1));
            c->tcp.setReceiveTimeout(30000); // a reply that never comes is a failure, not a hang
            if (account.UserId() != i + 1)
                ++failures;
            simulated[std::size_t(i)] = std::move(c);
        } catch (const std::exception&) {
            ++failures;
        }
    });

    // Everyone enters a room, sends heartbeats, and must still be answered afterwards.
    runWorkers([&](int i) {
        auto& c = simulated[std::size_t(i)];
        if (!c)
            return;
        try {
            c->sendPacket(cmEnterRoom, wire::bytesOf(std::int32_t(1 + i % 10)));
            if (replyTo(*c, cmEnterRoom).header.ResultCode != 0)
                ++failures;
            for (int beat = 0; beat < 5; ++beat)
                c->sendPacket(cmHeartbeat);
        } catch (const std::exception&) {
            ++failures;
        }
    });

    const double requestSeconds = runWorkers([&](int i) {
        auto& c = simulated[std::size_t(i)];
        if (!c)
            return;
        try {
            for (int trip = 0; trip < kRoundTrips; ++trip) {
                c->sendPacket(cmRoomList);
                const test::ReceivedPacket reply = replyTo(*c, cmRoomList);
                if (reply.header.ResultCode != 0 ||
                    std::size_t(reply.payload.size()) != kRoomListReply - kHeader)
                    ++failures;
            }
        } catch (const std::exception&) {
            ++failures;
        }
    });
    const double rawSeconds = rawRoundTripSeconds();
    const double rawSignInSecondsValue = rawSignInSeconds();

    const long peakKb = test::PeakMemoryKb(server.processId());
    simulated.clear();
    server.terminate();
    server.waitForFinished(5000);

    std::printf("clients                 %d\n", clients);
    std::printf("sign-ins per second     %.0f (all clients at once)\n", clients / signInSeconds);
    std::printf("raw exchanges/second    %.0f (same two round trips and bytes, same concurrency, one thread "
                "answering)\n",
                clients / rawSignInSecondsValue);
    const double requests = double(clients) * kRoundTrips;
    std::printf("requests per second     %.0f (room list round trips through the server)\n",
                requests / requestSeconds);
    std::printf("raw round trips/second  %.0f (same sizes and concurrency, one thread answering)\n",
                requests / rawSeconds);
    std::printf("server peak memory      %ld KiB\n", peakKb);
    std::printf("clients dropped or answered wrongly: %d (raw baselines: %d)\n", failures.load(),
                rawFailures.load());
    if (failures != 0 || rawFailures != 0) {
        std::printf("FAILED\n");
        return 1;
    }
    bench::PrintRatio("server_sign_in", rawSignInSecondsValue / signInSeconds,
                      "sign-ins/s through the server / the same exchanges against a raw responder; higher "
                      "is better");
    bench::PrintRatio("server_requests", rawSeconds / requestSeconds,
                      "room list requests/s through the server / the same round trips raw; higher is better");
    return 0;
}
