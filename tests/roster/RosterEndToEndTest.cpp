// Two clients in one room of our session server, each with its real sign-in chain, session link, dispatcher
// and roster: they see each other join, step out and leave.
#include "link/SessionSender.h"
#include "link/SignInSession.h"
#include "platform/AppMessageIds.h"
#include "platform/SettingsStore.h"
#include "platform/TcpClient.h"
#include "roster/Roster.h"
#include "roster/RosterHandlers.h"
#include "session/RoomEntrySteps.h"
#include "support/EventPump.h"
#include "support/FakeSession.h"
#include "support/MessageTarget.h"
#include "support/QtPrinters.h"
#include "support/ServerThread.h"

#include "ServerConfig.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;

server::ServerConfig classroom() {
    server::ServerConfig c;
    const struct {
        const char* name;
        std::uint16_t id;
        const char* first;
        const char* last;
        std::int32_t type;
    } people[] = {{"teacher", 1, "Tess", "Marlowe", 1000}, {"alice", 2, "Alice", "Byrne", 0}};
    for (const auto& p : people) {
        server::AccountConfig a;
        a.userName = p.name;
        a.password = QString(p.name).left(5);
        a.userId = p.id;
        a.firstName = p.first;
        a.lastName = p.last;
        a.accountType = p.type;
        c.accounts.push_back(a);
    }
    server::RoomConfig room;
    room.number = 100;
    room.name = "Physics 101";
    c.rooms[100] = room;
    return c;
}

// One client program's session: the sign-in chain and the roster, wired as the program wires them.
struct Client {
    explicit Client(const QString& folder) : store(folder + "/settings.ini") {
        TSignInOptions options;
        options.programFolder = folder;
        options.exchangeTimeoutMs = 5000;
        signIn = std::make_unique<TSignInSession>(connection, link, state, mainWindow, shell, store, options);
        signIn->RegisterHandlers(dispatcher);
        handlers.RegisterHandlers(dispatcher);
        handlers.RegisterMessages(mainWindow.router);
        handlers.RegisterRoomEntry(steps);
    }
    ~Client() {
        link.StopReader();
        link.StopWriter();
    }

    // Signs in, enters the room and runs the room entry steps, as the main window does on the reply.
    void enter(std::uint16_t port, const QString& user, std::int32_t room) {
        signIn->SetCredentials(user, user.left(5));
        ASSERT_TRUE(signIn->StartSession("127.0.0.1", port));
        signIn->SendTimeZone();
        signIn->EnterRoom(room);
        ASSERT_TRUE(pumpUntil([&] { return !mainWindow.posted.withNumber(MainMsg::RoomEntered).empty(); }));
        ASSERT_EQ(mainWindow.posted.withNumber(MainMsg::RoomEntered)[0].wParam, 0);
        for (const TRoomEntryStepInfo& info : RoomEntryStepTable())
            for (const TRoomEntrySteps::Action& action : steps.ActionsOf(info.step))
                action();
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

    TcpClient connection;
    test::MessageTarget mainWindow;
    TPacketDispatcher dispatcher;
    TSessionLink link{connection, dispatcher, mainWindow, &mainWindow};
    test::FakeShell shell;
    TSettingsStore store;
    TSessionState state;
    std::unique_ptr<TSignInSession> signIn;
    TSessionSender sender{link, state};
    test::FakeDialogs dialogs;
    test::FakeProgress progress;
    test::FakePanes panes;
    test::FakeClock clock;
    test::RecordingNotices notices;
    test::RecordingNotifier desktop;
    TSessionContext context{state, sender, dialogs, progress, panes, mainWindow, clock, notices, desktop};
    Roster roster{state};
    RosterHandlers handlers{context, roster};
    TRoomEntrySteps steps;
};

TEST(RosterEndToEnd, TwoClientsSeeEachOtherJoinStepOutAndLeave) {
    test::ServerThread server(classroom());
    QTemporaryDir teacherDir, aliceDir;

    Client teacher(teacherDir.path());
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
    ASSERT_TRUE(
        pumpUntil([&] { return teacher.mainWindow.posted.withNumber(MainMsg::RosterCounters).size() == 2; }));
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

} // namespace
} // namespace orv
