#pragma once
// A room on a test server with voice: teacher, alice and bob signed in on control connections of their own
// and in room 100, whose microphone count the test chooses. The teacher moderates and has given alice and
// bob a microphone each.

#include "ServerConfig.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/ModerationMessages.h"
#include "protocol/RoomMessages.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"

#include <map>
#include <memory>

namespace orv::test {

struct VoiceRoom {
    static constexpr std::uint16_t kTeacher = 1, kAlice = 2, kBob = 3;
    static constexpr std::int32_t kRoom = 100;

    // With `recordings`, the room may be recorded into that store.
    static server::ServerConfig config(int microphones, const QString& recordings = {}) {
        server::ServerConfig c;
        for (const auto& [name, id] : {std::pair{"teacher", kTeacher}, {"alice", kAlice}, {"bob", kBob}}) {
            server::AccountConfig a;
            a.userName = name;
            a.setPassword("pw", server::HashCost::Minimal);
            a.userId = id;
            a.firstName = name;
            if (id == kTeacher)
                a.accountType = 1000;
            c.accounts.push_back(a);
        }
        server::RoomConfig r;
        r.number = kRoom;
        r.name = "Voice";
        r.microphones = microphones;
        r.recorder = !recordings.isEmpty();
        c.rooms[kRoom] = r;
        c.storePath = recordings;
        return c;
    }

    explicit VoiceRoom(int microphones, const QString& recordings = {})
        : server(config(microphones, recordings)), voicePort(server.listenVoice()) {
        for (const auto& [name, id] : {std::pair{"teacher", kTeacher}, {"alice", kAlice}, {"bob", kBob}}) {
            auto client = std::make_unique<SimulatedClient>();
            client->connectAndSignIn(server.port(), name, "pw");
            client->sendPacket(cmEnterRoom, TEnterRoomRequest{kRoom}.encode());
            client->readPacket();
            control[id] = std::move(client);
        }
        for (const std::uint16_t id : {kAlice, kBob})
            control[kTeacher]->sendPacket(cmGiveMicrophone, TMicrophoneRightMessage{id}.encode());
        // Everybody has heard both grants once the teacher has.
        for (int heard = 0; heard < 2;)
            heard += control[kTeacher]->readPacket().header.Command == cmGiveMicrophone ? 1 : 0;
    }

    ServerThread server;
    std::uint16_t voicePort;
    std::map<std::uint16_t, std::unique_ptr<SimulatedClient>> control;
};

} // namespace orv::test
