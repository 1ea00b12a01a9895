// What one client can hold of the server: how long it may stay without signing in, without finishing a packet
// or without a sign of life, and how much it may have queued without reading.
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"
#include "support/TestAccounts.h"

#include "SessionServer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

namespace orv {
namespace {

using server::ServerConfig;
using test::ServerThread;
using test::SimulatedClient;

ServerConfig shortLimits() {
    ServerConfig c = test::ClassroomConfig({{"ann", 2}, {"ben", 3}});
    c.signInTimeoutMs = 300;
    c.packetTimeoutMs = 300;
    c.silenceTimeoutMs = 600;
    c.closeTimeoutMs = 300;
    return c;
}

// Every start-up information reply then queues a 256 KiB banner; silence is allowed for the whole test.
ServerConfig withBanner(ServerConfig config, const QTemporaryDir& dir) {
    QFile banner(dir.filePath("banner.png"));
    if (banner.open(QIODevice::WriteOnly))
        banner.write(QByteArray(256 * 1024, 'b'));
    config.bannerPath = banner.fileName();
    config.silenceTimeoutMs = 60000;
    return config;
}

// True when the server closes the connection with no pause longer than `ms` before it; what it sends
// meanwhile is read and dropped in large blocks, so draining a long queue costs the test next to nothing.
bool closedWithin(SimulatedClient& client, int ms) {
    client.tcp.setReceiveTimeout(ms);
    std::vector<char> block(1 << 20);
    for (;;) {
        try {
            client.tcp.readSome(block.data(), block.size());
        } catch (const EChannelError&) {
            return !client.tcp.isConnected();
        }
    }
}

TEST(ServerLimits, ConnectionsThatOverstayATimeOutAreClosedAndWellBehavedOnesAreNot) {
    ServerThread server(shortLimits());
    struct Case {
        const char* name;
        std::function<void(SimulatedClient&)> behave;
    } cases[] = {
        {"never signs in", [&](SimulatedClient& c) { c.connect(server.port()); }},
        {"half a version record",
         [&](SimulatedClient& c) {
             c.connect(server.port());
             c.send(QByteArray(16, '\0'));
         }},
        {"a header that never ends",
         [&](SimulatedClient& c) {
             c.connectAndSignIn(server.port(), "ann", "annpw");
             c.send(QByteArray(10, '\0'));
         }},
        {"signed in and silent",
         [&](SimulatedClient& c) { c.connectAndSignIn(server.port(), "ben", "benpw"); }},
    };
    for (const Case& c : cases) {
        SimulatedClient client;
        c.behave(client);
        EXPECT_TRUE(closedWithin(client, 3000)) << c.name;
    }

    SimulatedClient steady;
    steady.connectAndSignIn(server.port(), "ann", "annpw");
    for (int i = 0; i < 12; ++i) { // well past every limit, with a heartbeat now and then
        QThread::msleep(100);
        steady.sendPacket(cmHeartbeat);
    }
    steady.sendPacket(cmRoomList);
    EXPECT_EQ(steady.readPacket().header.Command, cmRoomList) << "a client that keeps in touch stays";
}

TEST(ServerLimits, AClientThatAsksForFilesAndNeverReadsIsDroppedAndOthersGetIn) {
    QTemporaryDir dir;
    ServerThread server(withBanner(shortLimits(), dir));

    SimulatedClient greedy;
    greedy.connectAndSignIn(server.port(), "ann", "annpw");
    // Each reply queues the banner: far more than the output cap, and the client reads none of it.
    QByteArray requests;
    TPacketHeader h;
    FillHeader(cmStartupInfo, 2, 0, h);
    for (int i = 0; i < 2000; ++i)
        requests += h.toByteArray();
    greedy.send(requests);
    EXPECT_TRUE(closedWithin(greedy, 5000)) << "dropped once its queue is over the cap";

    SimulatedClient next;
    next.connectAndSignIn(server.port(), "ben", "benpw");
    next.sendPacket(cmRoomList);
    EXPECT_EQ(next.readPacket().header.Command, cmRoomList);
}

TEST(ServerLimits, AReplacedConnectionThatDoesNotReadIsClosedWithinItsTimeOut) {
    QTemporaryDir dir;
    ServerThread server(withBanner(shortLimits(), dir));

    SimulatedClient older;
    older.connectAndSignIn(server.port(), "ann", "annpw");
    TPacketHeader h;
    FillHeader(cmStartupInfo, 2, 0, h);
    for (int i = 0; i < 20; ++i) // several MiB waiting for it
        older.send(h.toByteArray());
    QThread::msleep(200);
    SimulatedClient newer;
    newer.connectAndSignIn(server.port(), "ann", "annpw");
    // The older connection reads nothing meanwhile: a server that waited for its queue to drain would keep it
    // for ever. Its close time-out is 300 ms; the bound leaves room for a loaded machine.
    const auto started = std::chrono::steady_clock::now();
    std::size_t connections = 2;
    while (connections > 1 && std::chrono::steady_clock::now() - started < std::chrono::seconds(10)) {
        QThread::msleep(20);
        server.call([&](server::SessionServer& s) { connections = s.connectionCount(); });
    }
    EXPECT_EQ(connections, 1u) << "the replaced connection is dropped";
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3));
    EXPECT_TRUE(closedWithin(older, 5000)) << "and it sees the close after what was sent before";
}

} // namespace
} // namespace orv
