#pragma once
// Simulated clients of one test server, by user name: signing in, entering rooms, asking, and what reached
// each of them.

#include "protocol/CommandCatalogue.h"
#include "protocol/RoomMessages.h"
#include "support/SimulatedClient.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace orv::test {

// What reached a client: command and the participant the header names.
struct Seen {
    std::uint16_t command;
    std::uint16_t user;
    friend bool operator==(const Seen&, const Seen&) = default;
};
inline void PrintTo(const Seen& s, std::ostream* os) {
    *os << "{" << s.command << ", " << s.user << "}";
}

class SimulatedRoom {
public:
    explicit SimulatedRoom(std::uint16_t port) : m_port(port) {}

    // Signs the user in on a new connection, which replaces the older one only once it is signed in.
    SimulatedClient& signIn(const std::string& name) {
        auto client = std::make_unique<SimulatedClient>();
        client->connectAndSignIn(m_port, name.c_str(), QString::fromStdString(name) + "pw");
        m_clients[name].swap(client);
        return *m_clients[name];
    }
    SimulatedClient& operator[](const std::string& name) { return *m_clients.at(name); }
    void disconnect(const std::string& name) { m_clients.erase(name); }

    void enter(const std::string& name, std::int32_t room) {
        SimulatedClient& client = (*this)[name];
        client.sendPacket(cmEnterRoom, TEnterRoomRequest{room}.encode());
        ASSERT_EQ(client.readPacket().header.ResultCode, 0);
        client.roomId = std::uint16_t(room);
    }

    // Everything that reached the client so far, ended by a room list round trip of its own.
    std::vector<ReceivedPacket> received(const std::string& name) {
        SimulatedClient& client = (*this)[name];
        client.sendPacket(cmRoomList);
        std::vector<ReceivedPacket> before;
        for (auto packet = client.readPacket(); packet.header.Command != cmRoomList;
             packet = client.readPacket())
            before.push_back(packet);
        return before;
    }
    std::vector<Seen> seen(const std::string& name) {
        std::vector<Seen> out;
        for (const ReceivedPacket& p : received(name))
            out.push_back({p.header.Command, p.header.UserId});
        return out;
    }

    // The reply to a header-only request.
    ReceivedPacket ask(const std::string& name, TCommandCode code) {
        (*this)[name].sendPacket(code);
        return (*this)[name].readPacket();
    }

private:
    std::uint16_t m_port;
    std::map<std::string, std::unique_ptr<SimulatedClient>> m_clients;
};

} // namespace orv::test
