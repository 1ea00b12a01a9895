// The real client program, started with a join link under a virtual display, signs in to our session server
// and enters the room.
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

namespace orv {
namespace {

TEST(ClientEndToEnd, JoinLinkEntersTheRoom) {
    server::ServerConfig config;
    server::AccountConfig teacher;
    teacher.userId = 1;
    teacher.userName = "teacher";
    teacher.setPassword("teach", server::HashCost::Minimal);
    teacher.firstName = "Tess";
    teacher.accountType = 1000;
    config.accounts.push_back(teacher);
    server::RoomConfig room;
    room.number = 100;
    room.name = "Physics 101";
    config.rooms[100] = room;
    test::ServerThread server(config);

    test::VirtualDesktop desktop;
    ASSERT_FALSE(desktop.display().isEmpty()) << desktop.failure().toStdString();

    test::ClientProcess run(ORV_CLIENT_BINARY, desktop.display());
    ASSERT_TRUE(run.start({QString("ORVJOIN://127.0.0.1,%1,teacher,teach,100").arg(server.port())}));
    QProcess& client = run.process();

    std::size_t inRoom = 0;
    QElapsedTimer timer;
    timer.start();
    while (inRoom == 0 && timer.elapsed() < 60000 && client.state() == QProcess::Running) {
        QThread::msleep(100);
        server.call([&](server::SessionServer& s) { inRoom = s.inRoomCount(100); });
    }
    EXPECT_EQ(inRoom, 1u) << "the client did not enter the room";
    EXPECT_EQ(client.state(), QProcess::Running) << "the client ended early";

    client.terminate();
    if (!client.waitForFinished(10000)) {
        client.kill();
        client.waitForFinished(5000);
    }
    QFile settings(run.settingsFile());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray stored = settings.readAll();
    EXPECT_TRUE(stored.contains("ServerIP=127.0.0.1"));
    EXPECT_FALSE(stored.contains("UserName=teacher")) << "a join link never remembers credentials";
    EXPECT_TRUE(QFile::exists(run.home("data/applications/orvane-live.desktop")));
}

} // namespace
} // namespace orv
