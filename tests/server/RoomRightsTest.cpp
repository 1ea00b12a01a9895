// The server enforces every right and keeps the room's states, driven by raw clients: what a participant
// without a right sends reaches nobody and the sender hears the exchange's code; a grant opens the same
// packets to the room; grants, statuses and the lock holder reach late joiners and returning participants.
#include "protocol/AudioControlMessages.h"
#include "protocol/BoardMessages.h"
#include "protocol/BoardSharingMessages.h"
#include "protocol/LibraryMessages.h"
#include "protocol/ModerationMessages.h"
#include "protocol/RecordingMessages.h"
#include "protocol/ResultCodes.h"
#include "protocol/RoomMessages.h"
#include "protocol/RosterMessages.h"
#include "protocol/SessionMessages.h"
#include "support/ServerThread.h"
#include "support/SimulatedRoom.h"
#include "support/TestAccounts.h"

#include "SessionServer.h"

#include "protocol/AppShareRecords.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>

namespace orv {
namespace {

using test::ReceivedPacket;
using test::Seen;

constexpr std::uint16_t kMod = 1, kAnn = 2, kBen = 3;

server::ServerConfig RightsConfig() {
    server::ServerConfig c = test::ClassroomConfig({{"mod", kMod, 1000}, {"ann", kAnn}, {"ben", kBen}});
    server::RoomConfig& room = c.rooms[100];
    room.video = room.sharing = room.recorder = true;
    room.microphones = 2;
    return c;
}

TBBItem Stroke(int board) {
    TBBItem item;
    item.SetBoard(std::uint8_t(board));
    item.SetKind(BoardKind::MoveTo);
    item.SetPenWidth(1);
    return item;
}

QByteArray Drawing() {
    return TBoardDrawingBatch{1, {Stroke(1), Stroke(1)}}.encode();
}
QByteArray Text() {
    TBoardTextMessage text;
    text.board = 1;
    text.record.SetBoard(1);
    text.text = "Hi";
    return text.encode();
}
QByteArray Image() {
    TBoardImageMessage image;
    image.board = 1;
    image.record.SetBoard(1);
    image.jpeg = QByteArray("\xFF\xD8\xFF\xD9", 4);
    return image.encode();
}

// The board's packets as one who may use them sends them.
struct Sent {
    TCommandCode command;
    QByteArray payload;
};
const Sent kDrawing{cmBoardDrawing, Drawing()};
const Sent kText{cmBoardText, Text()};
const Sent kPointer{cmPointer, TPointerMessage{10, 20, 1, pkRight}.encode()};
const Sent kClear{cmClearBoard, TBoardIndexMessage{1}.encode()};
const Sent kImage{cmBoardImage, Image()};

class RightsRoom : public test::SimulatedRoom {
public:
    explicit RightsRoom(test::ServerThread& server) : SimulatedRoom(server.port()) {
        for (const char* name : {"mod", "ann", "ben"}) {
            signIn(name);
            enter(name, 100);
        }
        settle();
    }
    // Everything so far has been handled and read by all three.
    void settle() {
        for (const char* name : {"mod", "ann", "ben"})
            received(name);
    }
    void send(const std::string& name, const Sent& s) { (*this)[name].sendPacket(s.command, s.payload); }
    void moderate(TCommandCode command, std::uint16_t user) {
        (*this)["mod"].sendPacket(command, command == cmSetAccountType
                                               ? TAccountTypeMessage{user, 1000}.encode()
                                               : TMicrophoneRightMessage{user}.encode());
        settle();
    }
    std::optional<TParticipantStatusRecord> states(const std::string& asker, std::uint16_t user) {
        const ReceivedPacket reply = ask(asker, cmParticipantStates);
        PayloadReader reader(reply.payload);
        for (const TParticipantStatusRecord& s : TParticipantStatesReply::decode(reader).states)
            if (s.UserId() == user)
                return s;
        return std::nullopt;
    }
};

TEST(RoomRights, WhatAParticipantMayNotSendReachesNobodyAndItsSenderHearsTheExchangesCode) {
    test::ServerThread server(RightsConfig());
    RightsRoom room(server);
    TResourcePushMessage document;
    document.record.SetFileName("notes.pdf");
    TSharingRecord sharing;
    const struct Case {
        Sent sent;
        std::optional<std::uint16_t> reply; // the code of the refusal, where the exchange has a reply
    } cases[] = {
        {kDrawing, {}},
        {kText, {}},
        {kPointer, {}},
        {kClear, {}},
        {kImage, {}},
        {{cmLockBoard, {}}, ResultCode::BoardDenied},
        {{cmTakeMicrophone, {}}, ResultCode::MicrophoneDenied},
        {{cmShowSlide, TBoardPictureMessage{1, {}, {}}.encode()}, ResultCode::BoardDenied},
        {{cmShowLibraryImage, TBoardPictureMessage{1, {}, {}}.encode()}, ResultCode::BoardDenied},
        {{cmSetView, TViewMessage{1}.encode()}, {}},
        {{cmPushDocument, document.encode()}, ResultCode::NoPermission},
        {{cmGiveMicrophone, TMicrophoneRightMessage{kBen}.encode()}, ResultCode::NoPermission},
        {{cmBanMicrophone, TMicrophoneRightMessage{kMod}.encode()}, ResultCode::NoPermission},
        {{cmGiveBoard, TBoardAccessMessage{kAnn}.encode()}, ResultCode::NoPermission},
        {{cmBanBoard, TBoardAccessMessage{kMod}.encode()}, ResultCode::NoPermission},
        {{cmRemoveParticipant, TRemovalMessage{kBen, "bye"}.encode()}, ResultCode::NoPermission},
        {{cmSetAccountType, TAccountTypeMessage{kAnn, 1000}.encode()}, ResultCode::NoPermission},
        {{cmClearMotions, {}}, ResultCode::NoPermission},
        {{cmSetAudioCodec, TRoomVoiceValue{3}.encode()}, ResultCode::NoPermission},
        {{cmSetMicrophoneCount, TRoomVoiceValue{5}.encode()}, ResultCode::NoPermission},
        {{cmStartSharing, sharing.toByteArray()}, ResultCode::NoPermission},
        {{cmStartRecording, TRecorderCredentials().toByteArray()}, ResultCode::NoPermission},
    };
    for (const Case& c : cases) {
        room.send("ann", c.sent);
        const std::vector<ReceivedPacket> atAnn = room.received("ann");
        if (c.reply) {
            ASSERT_EQ(atAnn.size(), 1u) << c.sent.command;
            EXPECT_EQ(atAnn[0].header.Command, c.sent.command);
            EXPECT_EQ(atAnn[0].header.UserId, kAnn);
            EXPECT_EQ(atAnn[0].header.ResultCode, *c.reply) << c.sent.command;
        } else {
            EXPECT_TRUE(atAnn.empty()) << c.sent.command;
        }
    }
    EXPECT_TRUE(room.seen("mod").empty());
    EXPECT_TRUE(room.seen("ben").empty());
    const auto ann = room.states("mod", kAnn);
    ASSERT_TRUE(ann);
    EXPECT_EQ(ann->MicrophoneStatus(), msForbidden) << "a refused floor is no speaking";
    EXPECT_FALSE(ann->BoardAllowed());
}

TEST(RoomRights, GrantsOpenTheBoardsAndTheFloorUntilTheModeratorWithdrawsThem) {
    test::ServerThread server(RightsConfig());
    RightsRoom room(server);
    room.moderate(cmGiveBoard, kAnn);
    room.moderate(cmGiveMicrophone, kAnn);
    EXPECT_TRUE(room.states("ben", kAnn)->BoardAllowed());
    EXPECT_EQ(room.states("ben", kAnn)->MicrophoneStatus(), msGranted);

    // Access alone: drawing, text and the pointer; a clear and a picture still need the lock.
    for (const Sent& s : {kDrawing, kText, kPointer, kClear, kImage})
        room.send("ann", s);
    EXPECT_EQ(room.seen("ben"),
              (std::vector<Seen>{{cmBoardDrawing, kAnn}, {cmBoardText, kAnn}, {cmPointer, kAnn}}));
    room.send("ann", {cmLockBoard, {}});
    room.send("ann", kClear);
    room.send("ann", kImage);
    room.send("ann", {cmSetView, TViewMessage{0}.encode()});
    EXPECT_EQ(room.seen("ben"),
              (std::vector<Seen>{
                  {cmLockBoard, kAnn}, {cmClearBoard, kAnn}, {cmBoardImage, kAnn}, {cmSetView, kAnn}}));

    room.send("ann", {cmTakeMicrophone, {}});
    EXPECT_EQ(room.seen("ben"), (std::vector<Seen>{{cmTakeMicrophone, kAnn}}));
    EXPECT_EQ(room.states("ben", kAnn)->MicrophoneStatus(), msSpeaking);
    room.settle();

    // Withdrawn: the speaker stops, the lock goes back, and drawing reaches nobody again.
    room.moderate(cmBanMicrophone, kAnn);
    room["mod"].sendPacket(cmBanBoard, TBoardAccessMessage{kAnn}.encode());
    EXPECT_EQ(room.seen("ben"), (std::vector<Seen>{{cmBanBoard, kMod}, {cmUnlockBoard, kMod}}));
    room.send("ann", kDrawing);
    room.send("ann", kPointer);
    room.send("ann", {cmTakeMicrophone, {}});
    EXPECT_EQ(room.received("ann").back().header.ResultCode, ResultCode::MicrophoneDenied);
    EXPECT_TRUE(room.seen("ben").empty());
    const auto ann = room.states("ben", kAnn);
    EXPECT_EQ(ann->MicrophoneStatus(), msForbidden);
    EXPECT_FALSE(ann->BoardAllowed());
}

TEST(RoomRights, AWithdrawnMicrophoneEndsItsHoldersTurnToSpeak) {
    test::ServerThread server(RightsConfig());
    RightsRoom room(server);
    room.moderate(cmGiveMicrophone, kAnn);
    room.send("ann", {cmTakeMicrophone, {}});
    room.settle();
    room["mod"].sendPacket(cmBanMicrophone, TMicrophoneRightMessage{kAnn}.encode());
    EXPECT_EQ(room.seen("ben"), (std::vector<Seen>{{cmBanMicrophone, kMod}, {cmReleaseMicrophone, kAnn}}));
    EXPECT_EQ(room.states("ben", kAnn)->MicrophoneStatus(), msForbidden);
}

TEST(RoomRights, ADemotedModeratorLosesTheFloorTheLockAndTheBoards) {
    test::ServerThread server(RightsConfig());
    RightsRoom room(server);
    room.moderate(cmSetAccountType, kAnn);
    room.send("ann", {cmLockBoard, {}});
    room.send("ann", {cmTakeMicrophone, {}});
    room.settle();
    room["mod"].sendPacket(cmSetAccountType, TAccountTypeMessage{kAnn, 0}.encode());
    EXPECT_EQ(
        room.seen("ben"),
        (std::vector<Seen>{{cmSetAccountType, kMod}, {cmReleaseMicrophone, kAnn}, {cmUnlockBoard, kAnn}}));
    room.send("ann", kDrawing);
    room.send("ann", {cmClearMotions, {}});
    EXPECT_EQ(room.received("ann").back().header.ResultCode, ResultCode::NoPermission);
    EXPECT_TRUE(room.seen("ben").empty());
    const auto ann = room.states("ben", kAnn);
    EXPECT_EQ(ann->MicrophoneStatus(), msForbidden);
    EXPECT_FALSE(ann->BoardAllowed());
}

TEST(RoomRights, GrantsAndStatusesComeBackForTheNextSignInUntilTheRoomEmpties) {
    test::ServerThread server(RightsConfig());
    RightsRoom room(server);
    room.moderate(cmGiveBoard, kAnn);
    room.moderate(cmGiveMicrophone, kAnn);
    room.moderate(cmSetAccountType, kBen); // promoted
    room["ann"].sendPacket(cmSignal, TSignalMessage{Motion::Hand}.encode());
    room["ann"].sendPacket(cmOnlineStatus, TOnlineStatusMessage{usAway}.encode());
    room["mod"].sendPacket(cmLockBoard);
    room.settle();

    // Dropped connections; the room keeps what it granted them.
    room.disconnect("ann");
    room.disconnect("ben");
    for (int left = 0; left < 2;)
        left += room["mod"].readPacket().header.Command == cmParticipantLeft ? 1 : 0;
    for (const char* name : {"ann", "ben"}) {
        room.signIn(name);
        room[name].sendPacket(cmEnterRoom, TEnterRoomRequest{100}.encode());
        const ReceivedPacket reply = room[name].readPacket();
        ASSERT_EQ(reply.header.Command, cmEnterRoom) << "nothing before the entry reply";
        PayloadReader reader(reply.payload);
        const TRoomEntryReply entry = TRoomEntryReply::decode(reader);
        EXPECT_EQ(entry.room.BoardHolder(), kMod) << "the room record names the lock holder";
        EXPECT_EQ(entry.account.IsModerator(), std::string(name) == "ben");
    }
    room.settle();
    const auto ann = room.states("ann", kAnn);
    ASSERT_TRUE(ann);
    EXPECT_EQ(ann->MicrophoneStatus(), msGranted);
    EXPECT_TRUE(ann->BoardAllowed());
    EXPECT_EQ(ann->Motions(), Motion::Hand);
    const ReceivedPacket list = room.ask("ben", cmParticipantList);
    PayloadReader listReader(list.payload);
    EXPECT_EQ(TParticipantListReply::decode(listReader).participants.at(1).OnlineStatus(), usAway)
        << "still stepped out";
    room.send("ann", kDrawing);
    EXPECT_TRUE(room.received("ann").empty()) << "no refusal";
    room["ben"].sendPacket(cmClearMotions);
    EXPECT_EQ(room.seen("ben"), (std::vector<Seen>{{cmBoardDrawing, kAnn}, {cmClearMotions, kBen}}));
    EXPECT_EQ(room.seen("mod"), (std::vector<Seen>{{cmBoardDrawing, kAnn}, {cmClearMotions, kBen}}));

    // Everybody leaves: the next class starts afresh.
    for (const char* name : {"mod", "ann", "ben"})
        room.disconnect(name);
    test::SimulatedRoom next(server.port());
    std::size_t inRoom = 1;
    for (int round = 0; round < 10000 && inRoom != 0; ++round) // each call lets the server handle the closes
        server.call([&](server::SessionServer& s) { inRoom = s.inRoomCount(100); });
    ASSERT_EQ(inRoom, 0u);
    next.signIn("ann");
    next.enter("ann", 100);
    const ReceivedPacket reply = next.ask("ann", cmParticipantStates);
    PayloadReader reader(reply.payload);
    const auto states = TParticipantStatesReply::decode(reader).states;
    ASSERT_EQ(states.size(), 1u);
    EXPECT_EQ(states[0].MicrophoneStatus(), msForbidden);
    EXPECT_FALSE(states[0].BoardAllowed());
    EXPECT_EQ(states[0].Motions(), Motion::None);
}

TEST(RoomRights, RequestsReachTheModeratorsOnlyWithTheirText) {
    test::ServerThread server(RightsConfig());
    RightsRoom room(server);
    TRequestRecord request;
    request.SetType(RequestType::Speak);
    room["ann"].sendPacket(cmRequest, request.toByteArray());
    request.SetType(RequestType::Microphone);
    room["ann"].sendPacket(cmRequest, request.toByteArray());
    EXPECT_TRUE(room.seen("ann").empty());
    EXPECT_TRUE(room.seen("ben").empty());
    const std::vector<ReceivedPacket> atMod = room.received("mod");
    ASSERT_EQ(atMod.size(), 2u);
    PayloadReader reader(atMod[0].payload);
    const TRequestRecord speak = TRequestRecord::decode(reader);
    EXPECT_EQ(speak.From(), kAnn);
    EXPECT_EQ(speak.Text(), "I want to speak...");
    EXPECT_EQ(room.states("ben", kAnn)->MicrophoneStatus(), msRequesting) << "the status list shows it";
}

TEST(RoomRights, TheViewSwitchReachesTheOthersAndIsToldToThoseWhoAsk) {
    test::ServerThread server(RightsConfig());
    RightsRoom room(server);
    room["mod"].sendPacket(cmSetView, TViewMessage{2}.encode());
    room["mod"].sendPacket(cmSetView, TViewMessage{7}.encode()); // no such view
    EXPECT_TRUE(room.seen("mod").empty());
    const std::vector<ReceivedPacket> atBen = room.received("ben");
    ASSERT_EQ(atBen.size(), 1u);
    EXPECT_EQ(atBen[0].header.Command, cmSetView);
    EXPECT_EQ(atBen[0].payload, TViewMessage{2}.encode());
    room["ann"].sendPacket(cmCurrentView, TViewMessage{0}.encode());
    EXPECT_EQ(room["ann"].readPacket().payload, TViewMessage{2}.encode());
}

} // namespace
} // namespace orv
