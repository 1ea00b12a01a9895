// The room's codec on the server: moderators set it for everybody, participants may not, and it stays as it
// is while the room is recorded, since a recording replays with the codec it started with.
#include "protocol/AudioControlMessages.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/RecordingMessages.h"
#include "protocol/ResultCodes.h"
#include "support/ServerThread.h"
#include "support/SimulatedRoom.h"
#include "support/TestAccounts.h"

#include "ServerConfig.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

// The codecs the user was told of, and the result codes of the replies to its own codec changes.
struct Heard {
    std::vector<std::int32_t> codecs;
    std::vector<std::uint16_t> refusals;
};

Heard heard(test::SimulatedRoom& room, const std::string& name) {
    Heard h;
    for (const test::ReceivedPacket& p : room.received(name)) {
        if (p.header.Command != cmSetAudioCodec)
            continue;
        if (p.header.ResultCode != 0) {
            h.refusals.push_back(p.header.ResultCode);
            continue;
        }
        PayloadReader reader(p.payload);
        h.codecs.push_back(TRoomVoiceValue::decode(reader).value);
    }
    return h;
}

TEST(RoomCodec, ModeratorsSetItExceptWhileTheRoomIsRecorded) {
    QTemporaryDir store;
    server::ServerConfig config = test::ClassroomConfig({{"mod", 1, 1000}, {"ann", 2}});
    config.storePath = store.path();
    config.rooms[100].recorder = true;
    test::ServerThread server(config);
    test::SimulatedRoom room(server.port());
    for (const char* name : {"mod", "ann"}) {
        room.signIn(name);
        room.enter(name, 100);
        room.received(name);
    }

    room["ann"].sendPacket(cmSetAudioCodec, TRoomVoiceValue{3}.encode());
    EXPECT_EQ(heard(room, "ann").refusals, std::vector<std::uint16_t>{ResultCode::NoPermission});
    room["mod"].sendPacket(cmSetAudioCodec, TRoomVoiceValue{3}.encode());
    EXPECT_TRUE(heard(room, "mod").refusals.empty()); // the server has handled it before it answers this
    EXPECT_EQ(heard(room, "ann").codecs, std::vector<std::int32_t>{3});

    room["mod"].sendPacket(cmStartRecording, TRecorderCredentials().toByteArray());
    room.received("mod");
    room.received("ann");
    room["mod"].sendPacket(cmSetAudioCodec, TRoomVoiceValue{4}.encode());
    EXPECT_EQ(heard(room, "mod").refusals, std::vector<std::uint16_t>{ResultCode::RecordingRunning});
    EXPECT_TRUE(heard(room, "ann").codecs.empty());

    room["mod"].sendPacket(cmStopRecording);
    room.received("mod");
    room["mod"].sendPacket(cmSetAudioCodec, TRoomVoiceValue{4}.encode());
    EXPECT_TRUE(heard(room, "mod").refusals.empty());
    EXPECT_EQ(heard(room, "ann").codecs, std::vector<std::int32_t>{4});
}

} // namespace
} // namespace orv
