// The voice port and the talk protocol on the server: sign-on, floor control within the room's microphones,
// relay of the floor holders' frames to the rest of the room.
#include "protocol/RecordingMessages.h"
#include "protocol/ResultCodes.h"
#include "protocol/VoiceMessages.h"
#include "support/VoiceRoom.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::SimulatedClient;
using test::VoiceRoom;

// Reads packets until one of `command` arrives.
test::ReceivedPacket NextOf(SimulatedClient& c, std::uint16_t command) {
    for (;;) {
        test::ReceivedPacket p = c.readPacket();
        if (p.header.Command == command)
            return p;
    }
}

// A voice connection signed on; the sign-on's answer code in `result`.
std::unique_ptr<SimulatedClient> SignOn(std::uint16_t port, std::uint16_t user, const QString& password,
                                        std::uint16_t& result) {
    auto c = std::make_unique<SimulatedClient>();
    c->connect(port);
    TVoiceSignOn signOn;
    signOn.SetUserId(user);
    signOn.SetPassword(password);
    signOn.SetRoomId(VoiceRoom::kRoom);
    c->send(signOn.toByteArray());
    result = c->readHeader().ResultCode;
    return c;
}

TEST(VoiceFloor, GrantsWithinTheRoomsMicrophonesRefusesWith54AndReleasesOnLeaving) {
    VoiceRoom room(1);
    auto& alice = *room.control[VoiceRoom::kAlice];
    auto& bob = *room.control[VoiceRoom::kBob];
    auto& teacher = *room.control[VoiceRoom::kTeacher];

    alice.sendPacket(cmTakeMicrophone);
    for (SimulatedClient* c : {&alice, &bob, &teacher}) {
        const auto grant = NextOf(*c, cmTakeMicrophone);
        EXPECT_EQ(grant.header.UserId, VoiceRoom::kAlice);
        EXPECT_EQ(grant.header.ResultCode, 0);
    }
    bob.sendPacket(cmTakeMicrophone);
    const auto refusal = NextOf(bob, cmTakeMicrophone);
    EXPECT_EQ(refusal.header.UserId, VoiceRoom::kBob);
    EXPECT_EQ(refusal.header.ResultCode, ResultCode::NoFreeMicrophone);

    alice.sendPacket(cmReleaseMicrophone);
    EXPECT_EQ(NextOf(teacher, cmReleaseMicrophone).header.UserId, VoiceRoom::kAlice);
    bob.sendPacket(cmTakeMicrophone);
    EXPECT_EQ(NextOf(teacher, cmTakeMicrophone).header.UserId, VoiceRoom::kBob);

    room.control[VoiceRoom::kBob]->tcp.close(); // leaves while talking
    const auto released = NextOf(teacher, cmReleaseMicrophone);
    EXPECT_EQ(released.header.UserId, VoiceRoom::kBob);
    teacher.sendPacket(cmTakeMicrophone);
    EXPECT_EQ(NextOf(teacher, cmTakeMicrophone).header.ResultCode, 0) << "the leaver's microphone is free";
}

TEST(VoiceRelay, FramesOfTheFloorHolderReachEveryoneElseInTheRoomWithTheSpeakersId) {
    VoiceRoom room(2);
    std::uint16_t result = 0;
    EXPECT_TRUE((SignOn(room.voicePort, VoiceRoom::kAlice, "wrong", result), result != 0));
    EXPECT_TRUE((SignOn(room.voicePort, 77, "pw", result), result != 0)) << "nobody of that id in the room";
    auto alice = SignOn(room.voicePort, VoiceRoom::kAlice, "pw", result);
    EXPECT_EQ(result, 0);
    auto bob = SignOn(room.voicePort, VoiceRoom::kBob, "pw", result);
    auto teacher = SignOn(room.voicePort, VoiceRoom::kTeacher, "pw", result);

    const QByteArray ignored(100, 'b');
    bob->send(VoiceFrame(cmVoiceOut, VoiceRoom::kBob, VoiceRoom::kRoom, ignored.constData(), 100));
    room.control[VoiceRoom::kAlice]->sendPacket(cmTakeMicrophone);
    NextOf(*room.control[VoiceRoom::kAlice], cmTakeMicrophone);
    const QByteArray speech(780, 's');
    alice->send(VoiceFrame(100, VoiceRoom::kAlice, VoiceRoom::kRoom, nullptr, 0)); // keep-alive
    alice->send(VoiceFrame(cmVoiceOut, VoiceRoom::kAlice, VoiceRoom::kRoom, speech.constData(), 780));
    for (SimulatedClient* listener : {bob.get(), teacher.get()}) {
        const auto frame = listener->readPacket();
        EXPECT_EQ(frame.header.Command, cmVoiceIn) << "bob, without the floor, was not relayed";
        EXPECT_EQ(frame.header.UserId, VoiceRoom::kAlice);
        EXPECT_EQ(frame.payload, speech);
    }

    // A frame size no voice frame has breaks the link.
    TPacketHeader huge;
    huge.Command = cmVoiceOut;
    huge.DataSize = kMaxVoicePayload + 1;
    alice->send(huge.toByteArray());
    EXPECT_TRUE(alice->closedByServer());
}

TEST(VoiceRelay, RelayedFramesGoIntoTheRoomsRecordingWithTheirStamps) {
    QTemporaryDir store;
    VoiceRoom room(1, store.path());
    auto& teacher = *room.control[VoiceRoom::kTeacher];
    teacher.sendPacket(cmStartRecording, TRecorderCredentials().toByteArray());
    ASSERT_EQ(NextOf(teacher, cmStartRecording).header.ResultCode, 0);
    std::uint16_t result = 0;
    auto alice = SignOn(room.voicePort, VoiceRoom::kAlice, "pw", result);
    auto bob = SignOn(room.voicePort, VoiceRoom::kBob, "pw", result);
    room.control[VoiceRoom::kAlice]->sendPacket(cmTakeMicrophone);
    NextOf(*room.control[VoiceRoom::kAlice], cmTakeMicrophone);
    const QByteArray speech(33, 's');
    alice->send(VoiceFrame(cmVoiceOut, VoiceRoom::kAlice, VoiceRoom::kRoom, speech.constData(), 33));
    ASSERT_EQ(bob->readPacket().payload, speech);
    teacher.sendPacket(cmStopRecording);
    ASSERT_EQ(NextOf(teacher, cmStopRecording).header.ResultCode, 0);

    QFile file(QDir(store.path()).filePath("recordings/1.orvane"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    PayloadReader reader(bytes);
    const TRecordedSessionHeader header = TRecordedSessionHeader::decode(reader);
    std::vector<TRecordedPacket> frames;
    for (int i = 0; i < header.PacketCount(); ++i)
        if (TRecordedPacket p = TRecordedPacket::decode(reader); p.header.Command == cmVoiceIn)
            frames.push_back(p);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].header.UserId, VoiceRoom::kAlice);
    EXPECT_EQ(frames[0].payload, speech);
    EXPECT_GT(frames[0].header.Stamp, 0.0) << "stamped, so the replay keeps its pace";
}

} // namespace
} // namespace orv
