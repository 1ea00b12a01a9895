// The participants' side of the server, driven by simulated clients: who is told of a join, a departure and
// a change of online status, and what the participant list and the status list hold.
#include "protocol/CommandCatalogue.h"
#include "protocol/RoomMessages.h"
#include "protocol/RosterMessages.h"
#include "protocol/SessionMessages.h"
#include "support/QtPrinters.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"
#include "support/SimulatedRoom.h"
#include "support/TestAccounts.h"

#include "RosterService.h"
#include "ServerConfig.h"

#include <QDate>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace orv {
namespace {

using test::ReceivedPacket;
using test::Seen;
using test::SimulatedClient;

server::ServerConfig rosterClassConfig() {
    server::ServerConfig c = test::ClassroomConfig(
        {{"mod", 1, 1000, "MOD"}, {"ann", 2, 0, "ANN"}, {"ben", 3, 0, "BEN"}}, {100, 200});
    c.rooms[100].video = true;
    return c;
}

// The shared room of simulated clients, with the participant list as this service answers it.
class Room : public test::SimulatedRoom {
public:
    using SimulatedRoom::SimulatedRoom;
    TParticipantListReply participants(const std::string& name) {
        const ReceivedPacket reply = ask(name, cmParticipantList);
        EXPECT_EQ(reply.header.Command, cmParticipantList);
        PayloadReader reader(reply.payload);
        return TParticipantListReply::decode(reader);
    }
};

TEST(RosterService, ANewcomerIsAnnouncedToTheRoomAndListedWithEverybodysStates) {
    test::ServerThread server(rosterClassConfig());
    Room room(server.port());
    room.signIn("mod");
    room.signIn("ann").sendPacket(cmTimeZone, TTimeZoneReport{-120}.encode());
    room.signIn("ben");
    room.enter("mod", 100);
    room.enter("ann", 100);
    room.enter("ben", 200);

    const std::vector<ReceivedPacket> atMod = room.received("mod");
    ASSERT_EQ(atMod.size(), 1u) << "ben went to another room";
    EXPECT_EQ(atMod[0].header.Command, cmParticipantJoined);
    EXPECT_EQ(atMod[0].header.UserId, 2);
    PayloadReader joinReader(atMod[0].payload);
    const TParticipantRecord ann = TParticipantJoined::decode(joinReader).participant;
    EXPECT_EQ(ann.UserId(), 2);
    EXPECT_EQ(ann.FirstName(), "ANN");
    EXPECT_EQ(ann.FullName(), "ANN Tester");
    EXPECT_EQ(ann.UserType(), 0);
    EXPECT_EQ(ann.TimeBias(), -120);
    EXPECT_EQ(ann.OnlineStatus(), usOnline);
    EXPECT_TRUE(room.received("ann").empty()) << "the newcomer is not told of itself";

    const TParticipantListReply list = room.participants("ann");
    ASSERT_EQ(list.participants.size(), 2u);
    EXPECT_EQ(list.participants[0].UserId(), 1) << "in order of entry";
    EXPECT_TRUE(list.participants[0].IsModerator());
    EXPECT_EQ(list.participants[1], ann);
    EXPECT_EQ(room.participants("ben").participants.size(), 1u);

    const ReceivedPacket statesReply = room.ask("ann", cmParticipantStates);
    PayloadReader statesReader(statesReply.payload);
    const auto states = TParticipantStatesReply::decode(statesReader).states;
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(states[0].UserId(), 1);
    EXPECT_EQ(states[0].MicrophoneStatus(), msGranted);
    EXPECT_EQ(states[0].CameraStatus(), csGranted) << "room 100 allows video";
    EXPECT_TRUE(states[0].BoardAllowed());
    EXPECT_EQ(states[1].UserId(), 2);
    EXPECT_EQ(states[1].MicrophoneStatus(), msForbidden);
    EXPECT_EQ(states[1].CameraStatus(), csNone);
    EXPECT_FALSE(states[1].BoardAllowed());
}

TEST(RosterService, OnlineStatusReachesTheRestOfTheRoomAndStaysInTheList) {
    test::ServerThread server(rosterClassConfig());
    Room room(server.port());
    for (const char* name : {"mod", "ann", "ben"})
        room.signIn(name);
    room.enter("mod", 100);
    room.enter("ann", 100);
    room.enter("ben", 200);
    room.received("mod");

    room["ann"].sendPacket(cmOnlineStatus, TOnlineStatusMessage{usAway}.encode());
    room["ann"].sendPacket(cmOnlineStatus, QByteArray("\x07")); // no such status: not relayed
    EXPECT_TRUE(room.received("ann").empty()) << "its round trip also marks the end of what it sent";
    const std::vector<ReceivedPacket> atMod = room.received("mod");
    ASSERT_EQ(atMod.size(), 1u);
    EXPECT_EQ(atMod[0].header.Command, cmOnlineStatus);
    EXPECT_EQ(atMod[0].header.UserId, 2);
    EXPECT_EQ(atMod[0].payload, QByteArray("\x01"));
    EXPECT_TRUE(room.received("ben").empty());
    EXPECT_EQ(room.participants("mod").participants[1].OnlineStatus(), usAway);

    // Another room starts afresh; the room left is told.
    room.enter("ann", 200);
    EXPECT_EQ(room.seen("mod"), (std::vector<Seen>{{cmParticipantLeft, 2}}));
    EXPECT_EQ(room.seen("ben"), (std::vector<Seen>{{cmParticipantJoined, 2}}));
    const TParticipantListReply inTwoHundred = room.participants("ben");
    ASSERT_EQ(inTwoHundred.participants.size(), 2u);
    EXPECT_EQ(inTwoHundred.participants[1].OnlineStatus(), usOnline);
}

TEST(RosterService, AClosedOrReplacedConnectionLeavesItsRoom) {
    test::ServerThread server(rosterClassConfig());
    Room room(server.port());
    for (const char* name : {"mod", "ann", "ben"}) {
        room.signIn(name);
        room.enter(name, 100);
    }
    EXPECT_EQ(room.seen("mod"), (std::vector<Seen>{{cmParticipantJoined, 2}, {cmParticipantJoined, 3}}));
    room.received("ann");

    room.disconnect("ben");
    EXPECT_EQ(room["mod"].readPacket().header.UserId, 3); // the server notices the close on its own time
    EXPECT_EQ(room.seen("ann"), (std::vector<Seen>{{cmParticipantLeft, 3}}));

    // A newer sign-in of ann: the old connection leaves, the new one enters.
    room.signIn("ann");
    room.enter("ann", 100);
    EXPECT_EQ(room.seen("mod"), (std::vector<Seen>{{cmParticipantLeft, 2}, {cmParticipantJoined, 2}}));
    const TParticipantListReply list = room.participants("mod");
    ASSERT_EQ(list.participants.size(), 2u);
    EXPECT_EQ(list.participants[1].UserId(), 2);
}

TEST(RosterService, ModeratorRightsFromEitherRoleShowInTheRecordAndTheStartingStates) {
    const struct Case {
        std::int32_t accountType, roomRole;
        bool video;
        std::int32_t userType;
        TMicrophoneStatus microphone;
        TCameraStatus camera;
        bool board;
    } cases[] = {
        {0, 0, true, 0, msForbidden, csNone, false},       {999, 0, true, 999, msForbidden, csNone, false},
        {1000, 0, false, 1000, msGranted, csNone, true},   {1000, 0, true, 1000, msGranted, csGranted, true},
        {0, 1200, true, 1200, msGranted, csGranted, true},
    };
    for (const Case& c : cases) {
        TAccountRecord account;
        account.SetUserId(5);
        account.SetAccountType(c.accountType);
        account.SetRoomRole(c.roomRole);
        server::RoomConfig room;
        room.video = c.video;
        EXPECT_EQ(server::makeParticipantRecord(account, 0, usOnline).UserType(), c.userType)
            << c.accountType;
        const TParticipantStatusRecord states = server::initialStates(account, &room);
        EXPECT_EQ(states.UserId(), 5);
        EXPECT_EQ(states.MicrophoneStatus(), c.microphone) << c.accountType << " " << c.roomRole;
        EXPECT_EQ(states.CameraStatus(), c.camera) << c.accountType << " " << c.roomRole;
        EXPECT_EQ(states.BoardAllowed(), c.board) << c.accountType << " " << c.roomRole;
    }
}

TEST(RosterService, TheRecordCarriesTheAccountsLanguagesAndItsAgeFromTheBirthDate) {
    server::ServerConfig config = rosterClassConfig();
    const QDate today = QDate::currentDate();
    config.accounts[1].languages = "English, Portuguese";
    config.accounts[1].birthDate = today.addYears(-30).addDays(1); // 30 tomorrow
    config.accounts[2].birthDate = today.addYears(-30);            // 30 today
    test::ServerThread server(config);
    Room room(server.port());
    for (const char* name : {"mod", "ann", "ben"}) {
        room.signIn(name);
        room.enter(name, 100);
    }
    room.received("mod"); // the joins
    const TParticipantListReply list = room.participants("mod");
    ASSERT_EQ(list.participants.size(), 3u);
    EXPECT_EQ(list.participants[0].Age(), 0) << "no birth date";
    EXPECT_EQ(list.participants[1].Age(), 29);
    EXPECT_EQ(list.participants[1].Languages(), "English, Portuguese");
    EXPECT_EQ(list.participants[2].Age(), 30);
}

TEST(RosterService, ARequesterInNoRoomHearsOfNobody) {
    test::ServerThread server(rosterClassConfig());
    Room room(server.port());
    room.signIn("ann");
    EXPECT_TRUE(room.participants("ann").participants.empty());
    EXPECT_TRUE(room.ask("ann", cmParticipantStates).payload.isEmpty());
}

} // namespace
} // namespace orv
