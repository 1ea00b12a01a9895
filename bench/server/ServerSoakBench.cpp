// A bounded soak on loopback: well-behaved clients keep asking for the room list while misbehaving ones hold
// connections open (never signing in, half a record, a packet whose payload trickles, signed in and silent).
// A real orvane-session-server process runs with short time-outs. Prints, per kind, how many were closed and
// the longest it took against the time-out, and for the well-behaved clients the requests served, failures
// and the 99th-percentile answer time; fails when a misbehaving connection outlives its time-out, when one
// could not even connect or sign in (its close would tell nothing), or when a well-behaved client fails.
#include "BenchRatio.h"

#include "protocol/CommandCatalogue.h"
#include "protocol/PacketHeader.h"
#include "support/ServerProcess.h"
#include "support/SimulatedClient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

using namespace orv;

namespace {

constexpr std::uint16_t kPort = 19941;
constexpr int kTimeoutMs = 1000; // sign-in, packet and closing
constexpr int kSilenceMs = 2000; // a signed-in client's longest silence
constexpr int kSlackMs = 1500;   // the server checks a few times a second; scheduling adds a little
constexpr int kSteady = 40;      // well-behaved clients
constexpr int kEachKind = 10;    // misbehaving clients of each kind
constexpr int kRunMs = 6000;

QString writeConfig(const QTemporaryDir& dir) {
    QString text =
        QString("[server]\nport=%1\nsign_in_timeout_ms=%2\npacket_timeout_ms=%2\nclose_timeout_ms=%2\n"
                "silence_timeout_ms=%3\n")
            .arg(kPort)
            .arg(kTimeoutMs)
            .arg(kSilenceMs);
    for (int i = 1; i <= kSteady + 2 * kEachKind; ++i)
        text += QString("[account.user%1]\nuser_id=%1\npassword=pw%1\n").arg(i);
    text += "[room.1]\nname=Soak\n";
    const QString path = dir.filePath("soak.ini");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text.toUtf8());
    return path;
}

double secondsSince(std::chrono::steady_clock::time_point t) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

// Seconds until the server closed the connection, or a negative number when it did not within `limitMs`.
double closedAfter(test::SimulatedClient& client, std::chrono::steady_clock::time_point since, int limitMs) {
    client.tcp.setReceiveTimeout(limitMs);
    char byte;
    for (;;) {
        try {
            client.tcp.readExact(&byte, 1);
        } catch (const EChannelError&) {
            return client.tcp.isConnected() ? -1.0 : secondsSince(since);
        }
    }
}

struct Kind {
    const char* name;
    int limitMs;
    std::vector<double> closedAfter; // negative: still open
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QProcess server;
    if (!test::StartServerProcess(server, ORV_SERVER_BINARY, writeConfig(dir), kPort))
        return 1;

    std::atomic<bool> running{true};
    std::atomic<int> served{0}, failures{0}, ready{0}, notSetUp{0};
    std::mutex latencyLock;
    std::vector<double> latencies;
    std::vector<std::thread> threads;
    for (int i = 1; i <= kSteady; ++i)
        threads.emplace_back([&, i] {
            try {
                test::SimulatedClient c;
                c.connectAndSignIn(kPort, QString("user%1").arg(i), QString("pw%1").arg(i));
                c.tcp.setReceiveTimeout(10000); // an answer that never comes is a failure, not a hang
                ++ready;
                while (running) {
                    const auto asked = std::chrono::steady_clock::now();
                    c.sendPacket(cmHeartbeat);
                    c.sendPacket(cmRoomList);
                    while (c.readPacket().header.Command != cmRoomList) {
                    }
                    const double seconds = secondsSince(asked);
                    ++served;
                    {
                        std::lock_guard lock(latencyLock);
                        latencies.push_back(seconds);
                    }
                    QThread::msleep(20);
                }
            } catch (const std::exception&) {
                ++failures;
            }
        });

    Kind kinds[] = {{"never signs in", kTimeoutMs, {}},
                    {"half a record", kTimeoutMs, {}},
                    {"trickling payload", kTimeoutMs, {}},
                    {"signed in, silent", kSilenceMs, {}}};
    std::mutex kindLock;
    int account = kSteady;
    for (int k = 0; k < 4; ++k)
        for (int n = 0; n < kEachKind; ++n) {
            const int user = (k >= 2) ? ++account : 0;
            threads.emplace_back([&, k, user] {
                test::SimulatedClient c;
                std::thread trickle;
                auto since = std::chrono::steady_clock::now();
                try {
                    c.connect(kPort);
                    if (k == 1)
                        c.send(QByteArray(16, '\0'));
                    if (k >= 2)
                        c.connectAndSignIn(kPort, QString("user%1").arg(user), QString("pw%1").arg(user));
                    since = std::chrono::steady_clock::now();
                    if (k == 2) {
                        TPacketHeader h;
                        FillHeader(cmBoardDrawing, std::uint16_t(user), 0, h);
                        h.DataSize = 1000;
                        c.send(h.toByteArray());
                        // One byte now and then: the packet never ends, and the connection is never silent.
                        trickle = std::thread([&] {
                            for (int i = 0; i < 2 * kTimeoutMs / 200 + 10 && c.tcp.isConnected(); ++i) {
                                QThread::msleep(200);
                                try {
                                    c.send(QByteArray(1, 'x'));
                                } catch (const EChannelError&) {
                                    break;
                                }
                            }
                        });
                    }
                } catch (const std::exception&) {
                    ++notSetUp;
                    if (trickle.joinable())
                        trickle.join();
                    return;
                }
                const double after = closedAfter(c, since, kinds[k].limitMs + 2 * kSlackMs);
                if (trickle.joinable())
                    trickle.join();
                std::lock_guard lock(kindLock);
                kinds[k].closedAfter.push_back(after);
            });
        }
    // The run counts from the moment every well-behaved client is in (this sandbox paces bursts of connects).
    for (int i = 0; i < 400 && ready + failures < kSteady; ++i)
        QThread::msleep(50);
    served = 0;
    QThread::msleep(kRunMs);
    running = false;
    for (auto& t : threads)
        t.join();

    bool ok = failures == 0 && notSetUp == 0 && served > 0;
    double worstShare = 0; // the longest a misbehaving connection stayed open, against its time-out
    std::printf("%-20s %8s %14s %12s\n", "misbehaving kind", "closed", "longest (s)", "limit (s)");
    for (const Kind& kind : kinds) {
        const auto closed =
            std::count_if(kind.closedAfter.begin(), kind.closedAfter.end(), [](double s) { return s >= 0; });
        const double longest = kind.closedAfter.empty()
                                   ? 0
                                   : *std::max_element(kind.closedAfter.begin(), kind.closedAfter.end());
        std::printf("%-20s %5ld/%-2zu %14.2f %12.2f\n", kind.name, long(closed), kind.closedAfter.size(),
                    longest, kind.limitMs / 1000.0);
        ok = ok && closed == long(kind.closedAfter.size()) && longest * 1000 <= kind.limitMs + kSlackMs;
        worstShare = std::max(worstShare, longest * 1000 / kind.limitMs);
    }
    std::sort(latencies.begin(), latencies.end());
    const double p99 =
        latencies.empty() ? 0 : latencies[std::min(latencies.size() - 1, latencies.size() * 99 / 100)];
    std::printf("well-behaved: %d clients, %d requests served, %d failures, p99 %.1f ms\n", kSteady,
                served.load(), failures.load(), p99 * 1000);
    std::printf("misbehaving clients that could not connect or sign in: %d\n", notSetUp.load());
    std::printf("server peak memory: %ld KiB\n", test::PeakMemoryKb(server.processId()));
    std::printf("%s\n", ok ? "PASS" : "FAILED");
    if (ok)
        bench::PrintRatio(
            "soak_close", worstShare,
            "longest a misbehaving connection stayed open / its time-out, worst kind; just above "
            "1 is right");
    server.terminate();
    server.waitForFinished(5000);
    return ok ? 0 : 1;
}
