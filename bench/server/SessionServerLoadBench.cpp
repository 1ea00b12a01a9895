// A bounded load run on loopback: 300 simulated clients, each on a thread of its own and all at once, sign
// in, enter rooms, send heartbeats and ask for the room list, against a real orvane-session-server process.
// Each figure has a baseline in the same run with the same concurrency and the same byte counts over raw
// loopback sockets: sign-ins against a listener that answers the same bytes, round trips against echo
// threads. Prints the ratios, the server's peak memory and whether any client was dropped. Stops by itself.
#include "protocol/CommandCatalogue.h"
#include "support/Loopback.h"
#include "support/ServerProcess.h"
#include "support/SimulatedClient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

using namespace orv;

namespace {

constexpr int kClients = 300;
constexpr std::uint16_t kPort = 19931;
constexpr int kRoundTrips = 20; // room list requests per client
constexpr int kRooms = 10;
constexpr std::size_t kRoomListReply = 20 + kRooms * 404;

QString writeConfig(const QTemporaryDir& dir) {
    QString text = QString("[server]\nport=%1\nbulk_port=0\n").arg(kPort);
    for (int i = 1; i <= kClients; ++i)
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

// Baseline: the same request and reply sizes as raw bytes over a loopback socket, answered by an echo thread.
double rawRoundTripSeconds() {
    QElapsedTimer timer;
    timer.start();
    std::vector<std::thread> threads;
    for (int w = 0; w < kClients; ++w)
        threads.emplace_back([] {
            test::LoopbackPair pair;
            const int trips = kRoundTrips;
            std::thread echo([&] {
                const QByteArray reply(qsizetype(kRoomListReply), 'r');
                for (int i = 0; i < trips; ++i) {
                    pair.peerRead(20);
                    pair.peerWrite(reply);
                }
            });
            const QByteArray request(20, 'q');
            QByteArray reply(qsizetype(kRoomListReply), Qt::Uninitialized);
            for (int i = 0; i < trips; ++i) {
                pair.client.writeAll(request.constData(), 20);
                pair.client.readExact(reply.data(), kRoomListReply);
            }
            echo.join();
        });
    for (auto& t : threads)
        t.join();
    return double(timer.nsecsElapsed()) / 1e9;
}

// Baseline: as many connections at once as clients sign in, each sending the version and sign-in records'
// bytes and reading a reply the size of the server's, from a listener that answers every one.
double rawSignInSeconds() {
    constexpr std::size_t kRequest = 32 + 64, kReply = 20 + 1077;
    test::LoopbackListener listener;
    std::thread acceptor([&] {
        std::vector<std::thread> answers;
        for (int i = 0; i < kClients; ++i) {
            const int fd = listener.accept();
            answers.emplace_back([fd] {
                char request[kRequest];
                std::size_t got = 0;
                while (got < kRequest) {
                    const ssize_t n = ::recv(fd, request + got, kRequest - got, 0);
                    if (n <= 0)
                        break;
                    got += std::size_t(n);
                }
                const QByteArray reply(qsizetype(kReply), 'a');
                [[maybe_unused]] const ssize_t sent = ::send(fd, reply.constData(), kReply, MSG_NOSIGNAL);
                ::close(fd);
            });
        }
        for (auto& t : answers)
            t.join();
    });
    QElapsedTimer timer;
    timer.start();
    std::vector<std::thread> clients;
    for (int i = 0; i < kClients; ++i)
        clients.emplace_back([&] {
            TcpClient c;
            c.connectTo("127.0.0.1", listener.port(), 5000);
            const QByteArray request(qsizetype(kRequest), 'r');
            c.writeAll(request.constData(), kRequest);
            QByteArray reply(qsizetype(kReply), Qt::Uninitialized);
            c.readExact(reply.data(), kReply);
        });
    for (auto& t : clients)
        t.join();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    acceptor.join();
    return seconds;
}

// Every client on a thread of its own, all at once.
template <typename Work> double runWorkers(Work work) {
    QElapsedTimer timer;
    timer.start();
    std::vector<std::thread> threads;
    for (int i = 0; i < kClients; ++i)
        threads.emplace_back([&, i] { work(i); });
    for (auto& t : threads)
        t.join();
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QProcess server;
    if (!test::StartServerProcess(server, ORV_SERVER_BINARY, writeConfig(dir), kPort))
        return 1;

    std::vector<std::unique_ptr<test::SimulatedClient>> clients(kClients);
    std::atomic<int> failures{0};
    const double signInSeconds = runWorkers([&](int i) {
        try {
            auto c = std::make_unique<test::SimulatedClient>();
            c->connectAndSignIn(kPort, QString("user%1").arg(i + 1), QString("pw%1").arg(i + 1));
            clients[std::size_t(i)] = std::move(c);
        } catch (const std::exception&) {
            ++failures;
        }
    });

    // Everyone enters a room, sends heartbeats, and must still be answered afterwards.
    runWorkers([&](int i) {
        auto& c = clients[std::size_t(i)];
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
        auto& c = clients[std::size_t(i)];
        if (!c)
            return;
        try {
            for (int trip = 0; trip < kRoundTrips; ++trip) {
                c->sendPacket(cmRoomList);
                replyTo(*c, cmRoomList);
            }
        } catch (const std::exception&) {
            ++failures;
        }
    });
    const double rawSeconds = rawRoundTripSeconds();
    const double rawSignInSecondsValue = rawSignInSeconds();

    const long peakKb = test::PeakMemoryKb(server.processId());
    clients.clear();
    server.terminate();
    server.waitForFinished(5000);

    std::printf("clients                 %d\n", kClients);
    std::printf("sign-ins per second     %.0f (all clients at once)\n", kClients / signInSeconds);
    std::printf("raw exchanges/second    %.0f (same bytes, same concurrency, a listener that just answers)\n",
                kClients / rawSignInSecondsValue);
    std::printf("ratio (server/raw)      %.3f\n", rawSignInSecondsValue / signInSeconds);
    const double requests = double(kClients) * kRoundTrips;
    std::printf("requests per second     %.0f (room list round trips through the server)\n",
                requests / requestSeconds);
    std::printf("raw round trips/second  %.0f (same sizes and concurrency, raw loopback echo)\n",
                requests / rawSeconds);
    std::printf("ratio (server/raw)      %.3f\n", rawSeconds / requestSeconds);
    std::printf("server peak memory      %ld KiB\n", peakKb);
    std::printf("clients dropped         %d\n", failures.load());
    return failures == 0 ? 0 : 1;
}
