// Two clients in one room of our session server, each with its real sign-in chain, session link, dispatcher
// and roster: they see each other join, step out and leave, and a participant's icons stay right through
// joins, departures and a reconnection.
#include "protocol/BoardSharingMessages.h"
#include "protocol/ModerationMessages.h"
#include "protocol/RoomMessages.h"
#include "roster/Roster.h"
#include "roster/RosterHandlers.h"
#include "support/LiveClient.h"
#include "support/QtPrinters.h"
#include "support/RoomEventLog.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"
#include "support/TestAccounts.h"

#include "ServerConfig.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;

server::ServerConfig classroom() {
    server::ServerConfig c = test::ClassroomConfig({{"teacher", 1, 1000, "Tess", "Marlowe"},
                                                    {"alice", 2, 0, "Alice", "Byrne"},
                                                    {"bob", 3, 0, "Bob", "Okafor"}});
    c.rooms[100].name = "Physics 101";
    return c;
}

// One client program's session with the roster.
struct Client : test::LiveClient {
    explicit Client(const QString& folder) : LiveClient(folder) {
        handlers.RegisterHandlers(dispatcher);
        handlers.RegisterMessages(mainWindow.router);
        handlers.RegisterRoomEntry(steps);
    }
    void enter(std::uint16_t port, const QString& user, std::int32_t room) {
        LiveClient::enter(port, user, test::PasswordOf(user), room);
    }
    QStringList names() const {
        QStringList out;
        for (int i = 0; i < roster.Count(); ++i)
            out << roster.Entry(i).UserName();
        return out;
    }
    TUserOnlineStatus statusOf(std::uint16_t id) const {
        const TUserNode* entry = roster.FindEntry(id);
        return entry ? entry->OnlineStatus() : TUserOnlineStatus(0xFF);
    }

    Roster roster{state};
    RosterHandlers handlers{context, roster};
};

TEST(RosterEndToEnd, TwoClientsSeeEachOtherJoinStepOutAndLeave) {
    test::ServerThread server(classroom());
    QTemporaryDir teacherDir, aliceDir;

    Client teacher(teacherDir.path());
    const auto teacherCounters = test::LogRaises(teacher.events.participantsChanged);
    teacher.enter(server.port(), "teacher", 100);
    ASSERT_TRUE(pumpUntil([&] { return teacher.state.OwnMicAllowed; })) << "the moderator's states arrived";
    EXPECT_EQ(teacher.names(), QStringList{"Tess Marlowe"});
    ASSERT_NE(teacher.roster.OwnEntry(), nullptr);
    EXPECT_TRUE(teacher.state.OwnBoardAllowed);

    auto alice = std::make_unique<Client>(aliceDir.path());
    alice->enter(server.port(), "alice", 100);
    ASSERT_TRUE(pumpUntil([&] { return alice->roster.Count() == 2 && teacher.roster.Count() == 2; }));
    EXPECT_EQ(alice->names(), (QStringList{"Tess Marlowe", "Alice Byrne"})) << "the moderator on top";
    EXPECT_EQ(alice->roster.OwnEntry(), alice->roster.FindEntry(2));
    EXPECT_EQ(teacher.names(), (QStringList{"Tess Marlowe", "Alice Byrne"}));
    EXPECT_EQ(teacher.notices.lines, QStringList{"» Alice Byrne joined the session"});
    EXPECT_EQ(teacher.panes.participantHeader, " Participants [2]");
    // Alice asked for everybody's states at entry; the join made the teacher ask again.
    ASSERT_TRUE(pumpUntil([&] { return alice->roster.FindEntry(1)->BoardAllowed(); }));
    EXPECT_FALSE(alice->state.OwnMicAllowed || alice->state.OwnBoardAllowed);
    ASSERT_TRUE(pumpUntil([&] { return teacherCounters->size() == 2; }));
    EXPECT_EQ(teacher.roster.FindEntry(2)->MicrophoneStatus(), msForbidden);

    ASSERT_TRUE(alice->handlers.SendOnlineStatus(usAway));
    EXPECT_EQ(alice->statusOf(2), usAway);
    ASSERT_TRUE(pumpUntil([&] { return teacher.statusOf(2) == usAway; }));
    EXPECT_EQ(teacher.roster.FindParticipant(2)->OnlineStatus(), usAway);
    ASSERT_TRUE(alice->handlers.SendOnlineStatus(usOnline));
    ASSERT_TRUE(pumpUntil([&] { return teacher.statusOf(2) == usOnline; }));
    EXPECT_EQ(teacher.statusOf(1), usOnline) << "nobody else changed";

    alice.reset(); // the program ends: its connection closes
    ASSERT_TRUE(pumpUntil([&] { return teacher.roster.Count() == 1; }));
    EXPECT_EQ(teacher.names(), QStringList{"Tess Marlowe"});
    EXPECT_EQ(teacher.notices.lines.last(), "« Alice Byrne left the session");
    EXPECT_EQ(teacher.panes.participantHeader, " Participants [1]");
}

TEST(RosterEndToEnd, AParticipantsIconsStayRightThroughJoinsLeavesAndReconnections) {
    test::ServerThread server(classroom());
    QTemporaryDir aliceDir, bobDir, againDir;
    // The teacher's own client is a raw one: it gives Alice the microphone and the boards, and speaks.
    test::SimulatedClient teacher;
    teacher.connectAndSignIn(server.port(), "teacher", test::PasswordOf("teacher"));
    teacher.sendPacket(cmEnterRoom, TEnterRoomRequest{100}.encode());
    ASSERT_EQ(teacher.readPacket().header.ResultCode, 0);
    auto alice = std::make_unique<Client>(aliceDir.path());
    alice->enter(server.port(), "alice", 100);
    while (teacher.readPacket().header.Command != cmParticipantJoined) {
    }
    teacher.sendPacket(cmGiveMicrophone, TMicrophoneRightMessage{2}.encode());
    teacher.sendPacket(cmGiveBoard, TBoardAccessMessage{2}.encode());
    teacher.sendPacket(cmTakeMicrophone);
    teacher.sendPacket(cmRoomList);
    while (teacher.readPacket().header.Command != cmRoomList) {
    }

    const auto iconsRight = [](const Client& c) {
        const TUserNode* a = c.roster.FindEntry(2);
        const TUserNode* t = c.roster.FindEntry(1);
        return a && t && a->MicrophoneStatus() == msGranted && a->BoardAllowed() &&
               t->MicrophoneStatus() == msSpeaking;
    };
    Client bob(bobDir.path());
    bob.enter(server.port(), "bob", 100);
    ASSERT_TRUE(pumpUntil([&] { return iconsRight(bob); })) << "a late joiner sees grants and the speaker";
    ASSERT_TRUE(pumpUntil([&] { return iconsRight(*alice); })) << "Bob's join refreshed them, unchanged";

    alice.reset(); // her connection drops; her client signs in again
    ASSERT_TRUE(pumpUntil([&] { return bob.roster.FindEntry(2) == nullptr; }));
    Client again(againDir.path());
    again.enter(server.port(), "alice", 100);
    ASSERT_TRUE(pumpUntil([&] { return again.state.OwnMicAllowed && again.state.OwnBoardAllowed; }))
        << "what she was given comes back";
    ASSERT_TRUE(pumpUntil([&] { return iconsRight(bob) && iconsRight(again); }));
}

} // namespace
} // namespace orv
