// The real client under a window manager on a virtual display, at 1x and 2x: what a new user sees first.
#include "platform/Scramble.h"
#include "support/ClientProcess.h"
#include "support/ServerThread.h"
#include "support/VirtualDesktop.h"

#include "SessionServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace orv {
namespace {

server::ServerConfig demoConfig() {
    server::ServerConfig config;
    config.voicePort = 0; // rooms without voice: these tests are about the windows and the link
    server::AccountConfig teacher;
    teacher.userId = 1;
    teacher.userName = "teacher";
    teacher.setPassword("teach", server::HashCost::Minimal);
    teacher.firstName = "Tess";
    teacher.lastName = "Marlowe";
    teacher.accountType = 1000;
    config.accounts.push_back(teacher);
    server::RoomConfig room;
    room.number = 100;
    room.name = "Physics 101";
    config.rooms[100] = room;
    return config;
}

const QString kMessageBox = "^Orvane Live Browser$";

struct Desktop : ::testing::TestWithParam<double> {
    double scale() const { return GetParam(); }
    // 2x on a larger screen, so that the program has the same room in device-independent pixels.
    test::VirtualDesktop desktop{QSize(1280, 1024) * scale(), true};
};

TEST_P(Desktop, ARefusedSignInShowsItsBoxOnTopWithTheProgressOutOfTheWay) {
    ASSERT_FALSE(desktop.display().isEmpty()) << desktop.failure().toStdString();
    test::ServerThread server(demoConfig());
    test::ClientProcess client(ORV_CLIENT_BINARY, desktop.display(), scale());
    client.start({QString("orvjoin://127.0.0.1,%1,teacher,wrong,100").arg(server.port())});

    const auto box = desktop.waitForWindow(kMessageBox);
    ASSERT_TRUE(box) << "no message box";
    QStringList stack;
    for (int i = 0; i < 20 && (stack.isEmpty() || stack.last() != *box); ++i) {
        QThread::msleep(150); // the manager settles the stacking
        stack = desktop.stacking();
    }
    ASSERT_FALSE(stack.isEmpty());
    EXPECT_EQ(desktop.windowName(stack.last()), "Orvane Live Browser") << "the box is on top";
    EXPECT_FALSE(desktop.isVisible("Progress$")) << "the progress window stepped aside";
    const QRect frame = desktop.frameGeometry(*box);
    EXPECT_TRUE(QRect(QPoint(0, 0), desktop.screen()).contains(frame)) << "the box lies on the screen";

    EXPECT_TRUE(desktop.pressUntilGone(*box, "Return"));
    ASSERT_TRUE(client.waitForExit(20000)) << "the program ends after the box";
}

TEST_P(Desktop, TheMainWindowsFrameLiesOnTheScreenAndSigtermEndsInOrder) {
    ASSERT_FALSE(desktop.display().isEmpty()) << desktop.failure().toStdString();
    test::ServerThread server(demoConfig());
    test::ClientProcess client(ORV_CLIENT_BINARY, desktop.display(), scale());
    client.start({QString("orvjoin://127.0.0.1,%1,teacher,teach,100").arg(server.port())});

    const auto main = desktop.waitForWindow("in a virtual session$");
    ASSERT_TRUE(main) << "no main window";
    // The manager maximizes it, a moment after it appears.
    QRect frame;
    for (int i = 0; i < 40; ++i) {
        frame = desktop.frameGeometry(*main);
        if (frame.width() >= desktop.screen().width() * 19 / 20)
            break;
        QThread::msleep(200);
    }
    EXPECT_GE(frame.top(), 0) << "the title bar is on the screen";
    EXPECT_GE(frame.left(), 0);
    EXPECT_TRUE(QRect(QPoint(0, 0), desktop.screen()).contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    EXPECT_GE(frame.width(), desktop.screen().width() * 19 / 20) << "maximized into the work area";

    client.process().terminate();
    ASSERT_TRUE(client.waitForExit(20000));
    EXPECT_EQ(client.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(client.process().exitCode(), 0);
    EXPECT_TRUE(QFile::exists(client.settingsFile())) << "settings saved on the way out";
}

TEST_P(Desktop, TheServerGoingAwayWhileTheRoomListIsOpenEndsWithAMessage) {
    ASSERT_FALSE(desktop.display().isEmpty()) << desktop.failure().toStdString();
    auto server = std::make_unique<test::ServerThread>(demoConfig());
    test::ClientProcess client(ORV_CLIENT_BINARY, desktop.display(), scale());
    {
        // Remembered credentials: the sign-in window only needs Enter.
        QDir().mkpath(QFileInfo(client.settingsFile()).absolutePath());
        QFile settings(client.settingsFile());
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(QString("[Browser]\nRememberMe=1\nUserName=teacher\nPassword=%1\nServerIP=127.0.0.1\n"
                               "ServerPort=%2\n")
                           .arg(Scramble("teach"))
                           .arg(server->port())
                           .toUtf8());
    }
    client.start({});
    const auto signIn = desktop.waitForWindow("Authentication Required");
    ASSERT_TRUE(signIn) << "no sign-in window";
    EXPECT_TRUE(desktop.pressUntilGone(*signIn, "Return"));
    ASSERT_TRUE(desktop.waitForWindow("^Welcome to Orvane Live$")) << "no room list";

    server.reset();
    const auto box = desktop.waitForWindow(kMessageBox, 20000);
    ASSERT_TRUE(box) << "the lost connection is not shown";
    EXPECT_FALSE(desktop.isVisible("^Welcome to Orvane Live$")) << "the room list closed";
    EXPECT_TRUE(desktop.pressUntilGone(*box, "Return"));
    ASSERT_TRUE(client.waitForExit(20000)) << "a process without a window stays behind";
    EXPECT_NE(client.process().exitCode(), 0);
}

// The server stops and starts again on the same port: the program, left alone, reconnects into the room.
TEST(DesktopReconnection, TheProgramComesBackIntoTheRoomByItselfWhenTheServerReturns) {
    test::VirtualDesktop desktop({1280, 1024}, true);
    ASSERT_FALSE(desktop.display().isEmpty()) << desktop.failure().toStdString();
    auto server = std::make_unique<test::ServerThread>(demoConfig());
    const std::uint16_t port = server->port();
    test::ClientProcess client(ORV_CLIENT_BINARY, desktop.display());
    client.start({QString("orvjoin://127.0.0.1,%1,teacher,teach,100").arg(port)});
    const auto inRoom = [&](int timeoutMs) {
        QElapsedTimer timer;
        timer.start();
        std::size_t count = 0;
        while (count == 0 && timer.elapsed() < timeoutMs && client.process().state() == QProcess::Running) {
            server->call([&](server::SessionServer& s) { count = s.inRoomCount(100); });
            QThread::msleep(100);
        }
        return count == 1;
    };
    ASSERT_TRUE(inRoom(120000)) << "the client did not enter the room" << client.log();

    server.reset();
    QThread::msleep(500); // the loss reaches the program; its first attempt waits a second
    server = std::make_unique<test::ServerThread>(demoConfig(), server::createServices, port);
    // Attempts back off 1, 2, 4 … 30 s: on a busy machine the first ones may come too early.
    EXPECT_TRUE(inRoom(120000)) << "the client did not come back" << client.log();
    EXPECT_EQ(client.process().state(), QProcess::Running);
    EXPECT_TRUE(desktop.isVisible("in a virtual session$"));
}

INSTANTIATE_TEST_SUITE_P(Scales, Desktop, ::testing::Values(1.0, 2.0),
                         [](const auto& info) { return info.param == 1.0 ? "at1x" : "at2x"; });

} // namespace
} // namespace orv
