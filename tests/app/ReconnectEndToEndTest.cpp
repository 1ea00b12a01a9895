// A client in a room of our session server loses it: the server stops and starts again on the same port. The
// client reports the loss once and comes back into the same room, by the status bar's button and by itself.
#include "app/ConnectionModule.h"
#include "app/MainWindow.h"
#include "chat/ChatModule.h"
#include "roster/RosterModule.h"
#include "support/FakeTimers.h"
#include "support/LiveClient.h"
#include "support/QtPrinters.h"
#include "support/ServerThread.h"

#include "SessionServer.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;

server::ServerConfig classroom() {
    server::ServerConfig c;
    server::AccountConfig teacher;
    teacher.userName = "teacher";
    teacher.setPassword("teach", server::HashCost::Minimal);
    teacher.userId = 1;
    teacher.firstName = "Tess";
    teacher.accountType = 1000;
    c.accounts.push_back(teacher);
    server::RoomConfig room;
    room.number = 100;
    room.name = "Physics 101";
    c.rooms[100] = room;
    return c;
}

// The program's session with its main window, roster, chat and connection modules; timers on a virtual
// clock, the network real.
struct Program : ISessionRestarter {
    explicit Program(const QString& folder) : client(folder, &main) {
        client.settings.AutoReconnect = false;
        for (ISessionModule* module : std::initializer_list<ISessionModule*>{&roster, &chat, &connection})
            client.add(*module);
    }
    TRestart RestartSession() override { return client.signIn->RestartSession(); }
    void EnterRoom(std::int32_t room) override { client.signIn->EnterRoom(room); }
    void endSession() {
        for (ISessionModule* module : std::initializer_list<ISessionModule*>{&roster, &chat, &connection})
            module->EndSession();
        client.link.StopReader();
        client.link.StopWriter();
    }
    QString publicLog() {
        const QTextDocument* log = chat.Conversations().FindConversation(0);
        return log ? log->toPlainText() : QString();
    }
    // Runs the reset's two pauses, and waits for the room.
    bool comesBack(const test::ServerThread& server) {
        client.state.inRoom = false; // set again by the room entry
        timers.advance(2000);
        timers.advance(2000);
        std::size_t inRoom = 0;
        return pumpUntil([&] {
            const_cast<test::ServerThread&>(server).call(
                [&](server::SessionServer& s) { inRoom = s.inRoomCount(100); });
            return inRoom == 1 && client.state.inRoom && !main.ReconnectShown();
        });
    }

    test::FakeDialogs mainDialogs;
    TfMain main{mainDialogs};
    test::LiveClient client;
    test::FakeTimers timers{client.clock};
    TRosterModule roster{client.context};
    TChatModule chat{client.context, roster.Directory(), nullptr};
    TConnectionModule connection{main, client.context, client.link, *this, [this] { endSession(); }, timers};
};

TEST(ReconnectEndToEnd, TheServerGoesAndComesBackAndTheClientReentersTheSameRoom) {
    auto server = std::make_unique<test::ServerThread>(classroom());
    const std::uint16_t port = server->port();
    QTemporaryDir home;
    Program program(home.path());
    program.client.enter(port, "teacher", "teach", 100);
    ASSERT_TRUE(pumpUntil([&] { return program.chat.State().CheckedPermission() == cpAllowAll; }))
        << "the room entry steps ran and the server answered them";

    // By the button.
    server.reset();
    ASSERT_TRUE(pumpUntil([&] { return program.main.ReconnectShown(); })) << "the loss is shown";
    EXPECT_EQ(program.publicLog().count("Your connection to the server was lost"), 1);
    EXPECT_EQ(program.client.notices.beeps.back(), (std::pair<int, int>{700, 30}));
    server = std::make_unique<test::ServerThread>(classroom(), server::createServices, port);
    QTest::mouseClick(program.main.findChild<QPushButton*>("reconnectButton"), Qt::LeftButton);
    EXPECT_EQ(program.client.dialogs.shown.last(), "question: Do you want to reconnect to the session?");
    ASSERT_TRUE(program.comesBack(*server)) << "back in the room by the button";
    EXPECT_TRUE(program.publicLog().contains("You are connected to the session again."));
    ASSERT_TRUE(program.chat.Handlers().SendTyped("still here"));
    ASSERT_TRUE(pumpUntil([&] { return program.publicLog().contains("Tess (Moderator)\nstill here"); }))
        << "the new connection carries the chat, into the conversation kept from before";

    // By itself, with its countdown.
    program.client.settings.AutoReconnect = true;
    program.connection.ApplySettings(program.client.settings);
    server.reset();
    ASSERT_TRUE(pumpUntil([&] { return program.main.ReconnectCountdown() == "Reconnecting in 1 s"; }));
    EXPECT_EQ(program.publicLog().count("Your connection to the server was lost"), 2) << "reported again";
    server = std::make_unique<test::ServerThread>(classroom(), server::createServices, port);
    program.timers.advance(1000);
    ASSERT_TRUE(program.comesBack(*server)) << "back in the room by itself";
    EXPECT_TRUE(program.main.ReconnectCountdown().isEmpty());
    EXPECT_EQ(program.publicLog().count("You are connected to the session again."), 2);
}

} // namespace
} // namespace orv
