#include "protocol/CommandCatalogue.h"
#include "protocol/RoomRecords.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"
#include "support/TestAccounts.h"

#include "ServerConfig.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace orv {
namespace {

using server::AccountConfig;
using server::RoomConfig;
using server::ServerConfig;
using test::ServerThread;
using test::SimulatedClient;

AccountConfig account(const QString& name, std::uint16_t id, std::int32_t type = 0) {
    return test::Account({name, id, type, name.toUpper()});
}

RoomConfig room(std::int32_t number, const QString& name, std::int32_t state = 1, bool isPrivate = false) {
    RoomConfig r;
    r.number = number;
    r.name = name;
    r.state = state;
    r.isPrivate = isPrivate;
    r.codec = 3;
    r.microphones = 2;
    r.recorder = true;
    r.video = true;
    r.welcomeUrl = "http://127.0.0.1/welcome";
    return r;
}

ServerConfig baseConfig() {
    ServerConfig c;
    c.voicePort = 4001;
    c.bulkPort = 4002;
    c.accounts = {account("mod", 1, 1000), account("ann", 2), account("ben", 3)};
    auto blocked = account("blk", 9);
    blocked.blocked = true;
    c.accounts.push_back(blocked);
    c.rooms[100] = room(100, "Open Room");
    auto priv = room(200, "Private Room", 1, true);
    priv.members = {"ann"};
    c.rooms[200] = priv;
    c.rooms[300] = room(300, "Disabled Room", 0);
    c.rooms[350] = room(350, "Unavailable Room", 2);
    c.rooms[400] = room(400, "Expired Room", 3);
    return c;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
    return file.fileName();
}

TEST(SessionServer, SignsInAndEntersARoomWithEveryRecordInPlace) {
    QTemporaryDir dir;
    const QByteArray banner(3000, '\x42');
    ServerConfig config = baseConfig();
    config.bannerPath = writeFile(dir, "banner.png", banner);
    config.bannerStretch = true;
    ServerThread server(config);

    SimulatedClient client;
    client.connect(server.port());
    EXPECT_EQ(client.checkVersion(), 0);
    TAccountRecord account;
    ASSERT_EQ(client.signIn("MOD", "modpw", &account), 0) << "user names match without regard to case";
    EXPECT_EQ(account.UserId(), 1);
    EXPECT_EQ(account.UserName(), "mod");
    EXPECT_EQ(account.FullName(), "MOD Tester");
    EXPECT_EQ(account.FirstName(), "MOD");
    EXPECT_EQ(account.Password(), "modpw");
    EXPECT_EQ(account.AccountType(), 1000);
    EXPECT_EQ(account.Room(), 0);

    client.sendPacket(cmStartupInfo);
    const TPacketHeader startupHeader = client.readHeader();
    EXPECT_EQ(startupHeader.ResultCode, 0);
    EXPECT_EQ(startupHeader.DataSize, 519 + banner.size());
    TStartupInfo info;
    info.fromBytes(reinterpret_cast<const std::uint8_t*>(client.readBytes(519).constData()));
    EXPECT_TRUE(info.BannerFlag());
    EXPECT_EQ(info.BannerFileName(), "banner.png");
    EXPECT_EQ(info.BannerFileSize(), std::uint32_t(banner.size()));
    EXPECT_TRUE(info.StretchFlag());
    EXPECT_EQ(client.readBytes(std::size_t(banner.size())), banner);

    client.sendPacket(cmHeartbeat); // answered by nothing: the next reply is the room list's
    client.sendPacket(cmRoomList);
    const auto list = client.readPacket();
    EXPECT_EQ(list.header.Command, cmRoomList);
    ASSERT_EQ(list.payload.size(), 5 * 404);
    TRoomListEntry first, second;
    first.fromBytes(reinterpret_cast<const std::uint8_t*>(list.payload.constData()));
    second.fromBytes(reinterpret_cast<const std::uint8_t*>(list.payload.constData()) + 404);
    EXPECT_EQ(first.Number(), 100);
    EXPECT_EQ(first.Name(), "Open Room");
    EXPECT_FALSE(first.IsPrivate());
    EXPECT_EQ(second.Number(), 200);
    EXPECT_TRUE(second.IsPrivate());

    client.sendPacket(cmEnterRoom, wire::bytesOf<std::int32_t>(100));
    const auto entry = client.readPacket();
    EXPECT_EQ(entry.header.Command, cmEnterRoom);
    EXPECT_EQ(entry.header.ResultCode, 0);
    ASSERT_EQ(entry.payload.size(), 54 + 1418 + 1077);
    const auto* p = reinterpret_cast<const std::uint8_t*>(entry.payload.constData());
    TRoomConnection ports;
    ports.fromBytes(p);
    TRoomRecord roomRecord;
    roomRecord.fromBytes(p + 54);
    TAccountRecord inRoom;
    inRoom.fromBytes(p + 54 + 1418);
    EXPECT_EQ(ports.VoicePort(), 4001);
    EXPECT_EQ(ports.BulkPort(), 4002);
    EXPECT_EQ(roomRecord.Number(), 100);
    EXPECT_EQ(roomRecord.Name(), "Open Room");
    EXPECT_EQ(roomRecord.AudioCodec(), 3);
    EXPECT_EQ(roomRecord.MicrophoneCount(), 2);
    EXPECT_TRUE(roomRecord.RecorderFlag());
    EXPECT_TRUE(roomRecord.VideoFlag());
    EXPECT_FALSE(roomRecord.SharingFlag());
    EXPECT_EQ(roomRecord.WelcomePage(), "http://127.0.0.1/welcome");
    EXPECT_EQ(inRoom.Room(), 100);
    EXPECT_EQ(inRoom.UserId(), 1);
}

TEST(SessionServer, RefusedSignInsCarryTheirCodeAndClose) {
    ServerThread server(baseConfig());
    struct Case {
        const char* user;
        const char* password;
        std::uint16_t code;
    } cases[] = {{"ann", "wrong", 1}, {"nobody", "x", 1}, {"blk", "blkpw", 10}};
    for (const auto& c : cases) {
        SimulatedClient client;
        client.connect(server.port());
        ASSERT_EQ(client.checkVersion(), 0);
        const TPacketHeader reply = [&] {
            TSignInRecord r;
            r.SetUserName(c.user);
            r.SetPassword(c.password);
            client.send(r.toByteArray());
            return client.readHeader();
        }();
        EXPECT_EQ(reply.ResultCode, c.code) << c.user;
        EXPECT_EQ(reply.DataSize, 0) << "nothing follows a refusal";
        EXPECT_TRUE(client.closedByServer()) << c.user;
    }
}

TEST(SessionServer, RefusedRoomEntryCarriesOnlyTheCode) {
    ServerThread server(baseConfig());
    struct Case {
        const char* user;
        std::int32_t room;
        std::uint16_t code;
    } cases[] = {
        {"ben", 999, 18}, {"ben", 300, 7}, {"ben", 350, 8}, {"ben", 400, 9},
        {"ben", 200, 3},  {"ann", 200, 0}, {"mod", 200, 0}, {"ben", 100, 0},
    };
    for (const auto& c : cases) {
        SimulatedClient client;
        client.connectAndSignIn(server.port(), c.user, QString(c.user) + "pw");
        client.sendPacket(cmEnterRoom, wire::bytesOf<std::int32_t>(c.room));
        const auto reply = client.readPacket();
        EXPECT_EQ(reply.header.ResultCode, c.code) << c.user << " into " << c.room;
        EXPECT_EQ(reply.payload.isEmpty(), c.code != 0) << c.user << " into " << c.room;
    }
}

TEST(SessionServer, FullRoomRefusesTheNextEntry) {
    ServerConfig config = baseConfig();
    config.rooms[100].capacity = 1;
    ServerThread server(config);
    SimulatedClient first, second;
    first.connectAndSignIn(server.port(), "ann", "annpw");
    first.sendPacket(cmEnterRoom, wire::bytesOf<std::int32_t>(100));
    EXPECT_EQ(first.readPacket().header.ResultCode, 0);
    second.connectAndSignIn(server.port(), "ben", "benpw");
    second.sendPacket(cmEnterRoom, wire::bytesOf<std::int32_t>(100));
    EXPECT_EQ(second.readPacket().header.ResultCode, 51);
}

TEST(SessionServer, DuplicateSignInEndsTheOlderConnection) {
    ServerThread server(baseConfig());
    SimulatedClient older, newer;
    older.connectAndSignIn(server.port(), "ann", "annpw");
    newer.connectAndSignIn(server.port(), "ann", "annpw");
    const auto notice = older.readPacket();
    EXPECT_EQ(notice.header.Command, cmDuplicateSignIn);
    EXPECT_TRUE(older.closedByServer());
    newer.sendPacket(cmRoomList);
    EXPECT_EQ(newer.readPacket().header.Command, cmRoomList);
}

TEST(SessionServer, OffersAnUpdateWithItsInstaller) {
    QTemporaryDir dir;
    const QByteArray installer(200000, '\x7e');
    const QString installerPath = writeFile(dir, "setup.bin", installer);

    struct Case {
        QString path;
        QByteArray expected;
    } cases[] = {{installerPath, installer}, {dir.filePath("missing.bin"), {}}};
    for (const auto& c : cases) {
        ServerConfig config = baseConfig();
        config.update = server::UpdateOffer{"5.0.0", "Dec-01-2026", c.path};
        ServerThread server(config);
        SimulatedClient client;
        client.connect(server.port());
        EXPECT_NE(client.checkVersion(), 0);
        TVersionRecord offered;
        offered.fromBytes(reinterpret_cast<const std::uint8_t*>(client.readBytes(32).constData()));
        EXPECT_EQ(offered.Version(), "5.0.0");
        EXPECT_EQ(offered.BuildDate(), "Dec-01-2026");
        const QByteArray count = client.readBytes(4);
        const auto size = wire::load<std::uint32_t>(reinterpret_cast<const std::uint8_t*>(count.constData()));
        EXPECT_EQ(size, std::uint32_t(c.expected.size()));
        EXPECT_EQ(client.readBytes(size), c.expected);
        EXPECT_TRUE(client.closedByServer());

        SimulatedClient current;
        current.connect(server.port());
        EXPECT_EQ(current.checkVersion("5.0.0"), 0) << "the offered version itself is accepted";
    }
}

TEST(SessionServer, EmptyRoomListAndNoBanner) {
    ServerConfig config = baseConfig();
    config.rooms.clear();
    ServerThread server(config);
    SimulatedClient client;
    client.connectAndSignIn(server.port(), "ben", "benpw");
    client.sendPacket(cmStartupInfo);
    const auto startup = client.readPacket();
    ASSERT_EQ(startup.payload.size(), 519);
    TStartupInfo info;
    info.fromBytes(reinterpret_cast<const std::uint8_t*>(startup.payload.constData()));
    EXPECT_FALSE(info.BannerFlag());
    EXPECT_EQ(info.BannerFileSize(), 0u);
    client.sendPacket(cmRoomList);
    const auto list = client.readPacket();
    EXPECT_EQ(list.header.ResultCode, 0);
    EXPECT_TRUE(list.payload.isEmpty());
}

TEST(SessionServer, BadInputClosesOnlyThatConnection) {
    ServerThread server(baseConfig());
    SimulatedClient bystander;
    bystander.connectAndSignIn(server.port(), "mod", "modpw");

    auto header = [](std::uint16_t command, std::int32_t size) {
        TPacketHeader h;
        FillHeader(command, 2, 0, h);
        h.DataSize = size;
        return h.toByteArray();
    };
    const QByteArray cases[] = {
        header(cmRoomList, 0x7FFFFFFF), // oversized
        header(cmRoomList, -1),         // negative
        header(47, 0),                  // a code nobody uses
        header(cmRoomInfo, 0),          // a code only the server sends
        header(cmEnterRoom, 2) + "xy",  // wrong record size
        header(cmRoomList, 3) + "abc",  // header-only request with a payload
        header(cmEnterRoom, 1 << 20),   // a 4-byte request announcing a large payload: refused on its header
        QByteArray(1000, '\xff'),       // garbage
    };
    for (const QByteArray& bad : cases) {
        SimulatedClient client;
        client.connectAndSignIn(server.port(), "ann", "annpw");
        client.send(bad);
        EXPECT_TRUE(client.closedByServer()) << bad.left(20).toHex().toStdString();
    }

    SimulatedClient truncated;
    truncated.connect(server.port());
    truncated.send(QByteArray(10, '\0')); // a third of a version record, then gone
    truncated.tcp.close();

    bystander.sendPacket(cmRoomList);
    EXPECT_EQ(bystander.readPacket().payload.size(), 5 * 404);
}

TEST(SessionServer, SendsProbesWhenConfigured) {
    ServerConfig config = baseConfig();
    config.probeIntervalMs = 20;
    ServerThread server(config);
    SimulatedClient client;
    client.connectAndSignIn(server.port(), "ben", "benpw");
    EXPECT_EQ(client.readPacket().header.Command, cmProbe);
}

TEST(ServerConfig, ReadsTheDemoFile) {
    const auto config = server::loadServerConfig(ORV_SOURCE_DIR "/server/demo.ini");
    EXPECT_EQ(config.port, 9910);
    ASSERT_NE(config.findAccount("teacher"), nullptr);
    EXPECT_GE(config.findAccount("teacher")->accountType, 1000);
    EXPECT_TRUE(QFile::exists(config.bannerPath));
    std::set<std::int32_t> states;
    bool anyPrivate = false;
    for (const auto& [number, r] : config.rooms) {
        states.insert(r.state);
        anyPrivate |= r.isPrivate;
    }
    EXPECT_TRUE(anyPrivate);
    EXPECT_TRUE(states.count(0) && states.count(1) && states.count(3)) << "open, disabled and expired rooms";
    for (const char* name : {"teacher", "alice", "bob", "carol"}) {
        const server::AccountConfig* a = config.findAccount(name);
        EXPECT_TRUE(a->birthDate.isValid()) << name;
        EXPECT_TRUE(a->languages.startsWith("English, ")) << name << ": a list with its commas, whole";
    }
}

TEST(ServerConfig, RefusesFilesItCannotUse) {
    QTemporaryDir dir;
    const char* cases[] = {
        "[account.a]\npassword=x\n",                        // no user id
        "[account.a]\nuser_id=1\n[account.b]\nuser_id=1\n", // the same id twice
        "[room.abc]\nname=x\n",                             // not a room number
        "[room.1]\nmicrophones=9\n",                        // out of range
        "[server]\nport=99999\n",                           // not a port
        "[account.a]\nuser_id=1\nbirth_date=12/04/1979\n",  // not yyyy-MM-dd
    };
    for (const char* text : cases)
        EXPECT_THROW(server::loadServerConfig(writeFile(dir, "bad.ini", text)), std::runtime_error) << text;
    EXPECT_THROW(server::loadServerConfig(dir.filePath("absent.ini")), std::runtime_error);
}

} // namespace
} // namespace orv
