// The host's sending and room membership, driven through a test-only service that relays a request the way
// its payload asks.
#include "protocol/CommandCatalogue.h"
#include "protocol/ResultCodes.h"
#include "protocol/RoomMessages.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"
#include "support/TestAccounts.h"

#include "RequestTable.h"
#include "RoomMembers.h"
#include "RoomService.h"
#include "SessionServer.h"
#include "SignInService.h"

#include <QThread>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>

namespace orv {
namespace {

using server::ClientConnection;
using server::IServiceHost;
using test::ReceivedPacket;
using test::ServerThread;
using test::SimulatedClient;

enum class Route : std::uint8_t { Reply, ToUser, ToRoom, ToOthersInRoom };

// Sends each cmChat request's payload (route, then a user id) back out the way the route says. A user
// without a session gets the request bounced to its sender.
class RelayService final : public server::Service {
public:
    explicit RelayService(IServiceHost& host) {
        host.registerHandler({cmChat}, 3, [&host](ClientConnection& from, const TIncomingPacket& packet) {
            auto reader = packet.payload();
            const auto route = Route(reader.u8());
            const std::uint16_t user = reader.u16();
            const server::OutgoingPacket out{cmChat,
                                             packet.stream.sliced(TPacketHeader::kSize).toByteArray()};
            switch (route) {
            case Route::Reply:
                host.reply(from, out);
                break;
            case Route::ToUser:
                if (!host.sendToUser(user, from, out))
                    host.reply(from, out);
                break;
            case Route::ToRoom:
                if (const auto room = host.members().roomOf(from))
                    host.sendToRoom(*room, from, out);
                break;
            case Route::ToOthersInRoom:
                host.sendToOthersInRoom(from, out);
                break;
            }
        });
    }
};

server::Services servicesWithRelay(IServiceHost& host) {
    server::Services services;
    services.push_back(std::make_unique<server::SignInService>(host));
    services.push_back(std::make_unique<server::RoomService>(host));
    services.push_back(std::make_unique<RelayService>(host));
    return services;
}

server::ServerConfig hostClassConfig() {
    server::ServerConfig c =
        test::ClassroomConfig({{"mod", 1, 1000}, {"ann", 2}, {"ben", 3}, {"cat", 4}}, {100, 200, 300});
    c.rooms[200].isPrivate = true;
    c.rooms[200].members = {"ann"};
    c.rooms[300].state = 0;
    return c;
}

// Signed-in clients by user name.
class Clients {
public:
    Clients(std::uint16_t port, std::initializer_list<const char*> names) : m_port(port) {
        for (const char* name : names)
            signIn(name);
    }

    SimulatedClient& operator[](const std::string& name) { return *m_clients.at(name); }

    // Signs the user in on a new connection; returns the older one.
    std::unique_ptr<SimulatedClient> signIn(const std::string& name) {
        auto older = std::move(m_clients[name]);
        m_clients[name] = std::make_unique<SimulatedClient>();
        m_clients[name]->connectAndSignIn(m_port, name.c_str(), QString::fromStdString(name) + "pw");
        return older;
    }
    void disconnect(const std::string& name) { m_clients.erase(name); }

    // The result code; on success the client keeps the room for its headers, as the real one does.
    std::uint16_t enter(const std::string& name, std::int32_t room) {
        SimulatedClient& client = *m_clients.at(name);
        client.sendPacket(cmEnterRoom, TEnterRoomRequest{room}.encode());
        const auto reply = client.readPacket();
        if (reply.header.ResultCode == ResultCode::Success)
            client.roomId = std::uint16_t(room);
        return reply.header.ResultCode;
    }

    // Relays from `sender`, then collects what every client received. A room list round trip marks the end
    // of each client's share: the server answers in order, and the sender's round trip is over before any
    // other client's starts.
    std::map<std::string, std::vector<ReceivedPacket>> relay(const std::string& sender, Route route,
                                                             std::uint16_t user = 0) {
        (*this)[sender].sendPacket(cmChat, wire::bytesOf(std::uint8_t(route)) + wire::bytesOf(user));
        std::map<std::string, std::vector<ReceivedPacket>> received;
        received[sender] = untilRoomList((*this)[sender]);
        for (auto& [name, client] : m_clients)
            if (name != sender)
                received[name] = untilRoomList(*client);
        return received;
    }

private:
    static std::vector<ReceivedPacket> untilRoomList(SimulatedClient& client) {
        client.sendPacket(cmRoomList);
        std::vector<ReceivedPacket> before;
        for (auto packet = client.readPacket(); packet.header.Command != cmRoomList;
             packet = client.readPacket())
            before.push_back(packet);
        return before;
    }

    std::uint16_t m_port;
    std::map<std::string, std::unique_ptr<SimulatedClient>> m_clients;
};

std::size_t inRoom(ServerThread& server, std::int32_t room) {
    std::size_t count = 0;
    server.call([&](server::SessionServer& s) { count = s.inRoomCount(room); });
    return count;
}

// The server notices a closed connection on its own time.
bool becomes(ServerThread& server, std::int32_t room, std::size_t expected) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (inRoom(server, room) == expected)
            return true;
        QThread::msleep(10);
    }
    return false;
}

// Every relayed packet names its sender in the header: user id, and the room it is in.
void expectReceivers(Clients& clients, const std::string& sender, Route route, std::uint16_t user,
                     const std::set<std::string>& expected) {
    const auto received = clients.relay(sender, route, user);
    for (const auto& [name, packets] : received) {
        EXPECT_EQ(packets.size(), expected.count(name))
            << sender << " route " << int(route) << " user " << user << ": " << name;
        for (const auto& packet : packets) {
            EXPECT_EQ(packet.header.Command, cmChat);
            EXPECT_EQ(packet.header.UserId, clients[sender].userId) << name;
            EXPECT_EQ(packet.header.RoomId, clients[sender].roomId) << name;
        }
    }
}

TEST(ServiceHost, SendsToTheRequesterAUserARoomOrTheRestOfARoom) {
    ServerThread server(hostClassConfig(), servicesWithRelay);
    Clients clients(server.port(), {"mod", "ann", "ben", "cat"});
    ASSERT_EQ(clients.enter("ann", 100), 0);
    ASSERT_EQ(clients.enter("ben", 100), 0);
    ASSERT_EQ(clients.enter("mod", 200), 0); // cat stays in no room

    const struct Case {
        const char* sender;
        Route route;
        std::uint16_t user;
        std::set<std::string> receivers;
    } cases[] = {
        {"ann", Route::Reply, 0, {"ann"}},          // the requester alone
        {"ann", Route::ToUser, 3, {"ben"}},         // a user in the same room
        {"ann", Route::ToUser, 4, {"cat"}},         // a user in no room
        {"ann", Route::ToUser, 77, {"ann"}},        // no such session: bounced
        {"ann", Route::ToRoom, 0, {"ann", "ben"}},  // not mod in the other room, nor cat
        {"ann", Route::ToOthersInRoom, 0, {"ben"}}, // the sender left out
        {"mod", Route::ToOthersInRoom, 0, {}},      // alone in room 200
        {"cat", Route::ToOthersInRoom, 0, {}},      // in no room
    };
    for (const Case& c : cases)
        expectReceivers(clients, c.sender, c.route, c.user, c.receivers);
}

TEST(ServiceHost, MembershipFollowsReEntryRefusalDuplicateSignInAndDisconnect) {
    server::ServerConfig cfg = hostClassConfig();
    cfg.rooms[100].capacity = 2;
    ServerThread server(cfg, servicesWithRelay);
    Clients clients(server.port(), {"ann", "ben", "cat"});

    ASSERT_EQ(clients.enter("ann", 100), 0);
    ASSERT_EQ(clients.enter("ben", 100), 0);
    EXPECT_EQ(clients.enter("cat", 100), ResultCode::RoomFull);
    ASSERT_EQ(clients.enter("ann", 200), 0) << "leaving room 100 frees a place";
    EXPECT_EQ(inRoom(server, 100), 1u);
    EXPECT_EQ(inRoom(server, 200), 1u);
    ASSERT_EQ(clients.enter("cat", 100), 0);
    EXPECT_EQ(clients.enter("ben", 100), 0) << "entering the room one is in takes no second place";
    EXPECT_EQ(clients.enter("ben", 300), ResultCode::StillUnavailable);
    EXPECT_EQ(inRoom(server, 100), 2u) << "a refused entry leaves the client where it was";
    expectReceivers(clients, "ben", Route::ToRoom, 0, {"ben", "cat"});

    clients.disconnect("cat");
    ASSERT_TRUE(becomes(server, 100, 1));
    expectReceivers(clients, "ben", Route::ToRoom, 0, {"ben"});

    auto older = clients.signIn("ben");
    EXPECT_EQ(inRoom(server, 100), 0u) << "the replaced connection is out of the room";
    EXPECT_EQ(older->readPacket().header.Command, cmDuplicateSignIn);
    EXPECT_TRUE(older->closedByServer()) << "and nothing else reached it";
    expectReceivers(clients, "ann", Route::ToUser, 3, {"ben"});
    ASSERT_EQ(clients.enter("ben", 100), 0);
    expectReceivers(clients, "ben", Route::ToRoom, 0, {"ben"});
    EXPECT_EQ(inRoom(server, 200), 1u);
}

TEST(ServiceHost, ACodeHasOneAnswerer) {
    server::RequestTable table;
    const auto ignore = [](ClientConnection&, const TIncomingPacket&) {};
    table.add({cmChat}, IServiceHost::kAnySize, ignore);
    EXPECT_THROW(table.add({cmPrivateChat, cmChat}, IServiceHost::kAnySize, ignore), std::logic_error)
        << "a second service taking a code would silently replace the first";
    EXPECT_THROW(table.add({cmProbe}, 0, ignore), std::logic_error) << "only the server sends it";
}

} // namespace
} // namespace orv
