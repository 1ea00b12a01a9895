#include "link/ErrorMessages.h"
#include "link/LinkMessageIds.h"
#include "link/SignInSession.h"
#include "platform/Scramble.h"
#include "platform/SettingsStore.h"
#include "support/EventPump.h"
#include "support/FakeShell.h"
#include "support/Loopback.h"
#include "support/QtPrinters.h"
#include "support/RecordingSink.h"
#include "support/ServerThread.h"
#include "support/SocksProxies.h"

#include "ServerConfig.h"
#include "SessionServer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <thread>

namespace orv {
namespace {

using test::FakeShell;
using test::pumpUntil;
using test::RecordingSink;

server::ServerConfig serverConfig() {
    server::ServerConfig c;
    c.voicePort = 5001;
    c.bulkPort = 5002;
    server::AccountConfig mod;
    mod.userId = 7;
    mod.userName = "teacher";
    mod.setPassword("teach", server::HashCost::Minimal);
    mod.firstName = "Tess";
    mod.lastName = "Marlowe";
    mod.accountType = 1000;
    c.accounts.push_back(mod);
    server::RoomConfig open;
    open.number = 100;
    open.name = "Physics 101";
    open.codec = 2;
    open.microphones = 3;
    open.welcomeUrl = "http://127.0.0.1:1/welcome";
    c.rooms[100] = open;
    server::RoomConfig closed = open;
    closed.number = 300;
    closed.name = "Closed";
    closed.state = 0;
    closed.welcomeUrl.clear();
    c.rooms[300] = closed;
    return c;
}

// A client's sign-in chain wired to a real connection, session link and dispatcher.
struct Client {
    explicit Client(const QString& folder, TSignInOptions options = {}) : store(folder + "/settings.ini") {
        options.programFolder = folder;
        options.exchangeTimeoutMs = 5000;
        session = std::make_unique<TSignInSession>(connection, link, state, sink, shell, store, options);
        session->RegisterHandlers(dispatcher);
    }
    ~Client() {
        link.StopReader();
        link.StopWriter();
    }
    bool waitFor(int message) {
        return pumpUntil([&] { return !sink.withNumber(message).empty(); });
    }

    TcpClient connection;
    RecordingSink sink;
    TPacketDispatcher dispatcher;
    QObject mainContext;
    TSessionLink link{connection, dispatcher, sink, &mainContext};
    FakeShell shell;
    TSettingsStore store;
    TSessionState state;
    std::unique_ptr<TSignInSession> session;
};

struct SignInFixture : ::testing::Test {
    QTemporaryDir dir;
    QString folder = dir.path();
};

TEST_F(SignInFixture, SignsInListsRoomsAndEntersOne) {
    server::ServerConfig config = serverConfig();
    const QByteArray banner(5000, '\x33');
    QTemporaryDir serverDir;
    QFile bannerFile(serverDir.filePath("room-banner.png"));
    ASSERT_TRUE(bannerFile.open(QIODevice::WriteOnly));
    bannerFile.write(banner);
    bannerFile.close();
    config.bannerPath = bannerFile.fileName();
    test::ServerThread server(config);

    Client client(folder);
    client.session->SetCredentials("teacher", "teach");
    ASSERT_TRUE(client.session->StartSession("127.0.0.1", server.port()));
    const TAccountRecord& account = client.state.account;
    EXPECT_EQ(account.UserId(), 7);
    EXPECT_EQ(account.FullName(), "Tess Marlowe");
    EXPECT_EQ(client.shell.caption, "Tess Marlowe in a virtual session");
    EXPECT_EQ(client.shell.serverPanel, QString(" Server: 127.0.0.1:%1").arg(server.port()));
    EXPECT_EQ(client.shell.roomPanel, " Room: Not selected");
    EXPECT_EQ(client.store.ReadText("", "ServerIP"), "127.0.0.1");
    EXPECT_EQ(client.store.ReadInteger("", "ServerPort"), server.port());
    EXPECT_EQ(client.shell.progress.steps, 17);
    EXPECT_EQ(client.shell.progress.shown,
              (QStringList{"0 Trying to connect to remote server...", "1 Checking for updates...",
                           "2 Validating user info...", "3 User account validated.",
                           "3 Getting startup information.", "4 Init whiteboards...",
                           "5 Starting communication services..."}));

    EXPECT_TRUE(client.state.startup.BannerFlag());
    QFile saved(QDir(folder).filePath("room-banner.png"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), banner);
    EXPECT_EQ(client.state.bannerPath, saved.fileName());

    client.session->SendTimeZone();
    client.session->RequestRoomList();
    ASSERT_TRUE(client.waitFor(MainMsg::RoomListLoaded));
    ASSERT_EQ(client.state.roomList.size(), 2u);
    EXPECT_EQ(client.state.roomList[0].Name(), "Physics 101");

    client.session->OnRoomListReported(0, [] { return 100; });
    ASSERT_TRUE(client.waitFor(MainMsg::RoomEntered));
    EXPECT_EQ(client.sink.withNumber(MainMsg::RoomEntered)[0].wParam, 0);
    EXPECT_EQ(client.state.room.Number(), 100);
    EXPECT_EQ(client.state.account.Room(), 100);
    EXPECT_EQ(client.state.voicePort, 5001);
    EXPECT_EQ(client.state.bulkPort, 5002);
    EXPECT_EQ(client.state.audioCodec, 2);
    EXPECT_EQ(client.state.microphoneCount, 3);
}

TEST_F(SignInFixture, RefusedRoomEntryKeepsTheRecords) {
    test::ServerThread server(serverConfig());
    Client client(folder);
    client.session->SetCredentials("teacher", "teach");
    ASSERT_TRUE(client.session->StartSession("127.0.0.1", server.port()));
    const TAccountRecord accountBefore = client.state.account;
    const TRoomRecord roomBefore = client.state.room;
    client.session->EnterRoom(300);
    ASSERT_TRUE(client.waitFor(MainMsg::RoomEntered));
    EXPECT_EQ(client.sink.withNumber(MainMsg::RoomEntered)[0].wParam, 7);
    EXPECT_EQ(client.state.account, accountBefore);
    EXPECT_EQ(client.state.room, roomBefore);
}

TEST_F(SignInFixture, WrongPasswordShowsTheAccessDeniedMessageAndEnds) {
    test::ServerThread server(serverConfig());
    Client client(folder);
    client.session->SetCredentials("teacher", "wrong");
    EXPECT_FALSE(client.session->StartSession("127.0.0.1", server.port()));
    EXPECT_EQ(client.shell.dialogs.shown, QStringList{"error: " + AccessDeniedMessage(1)});
    EXPECT_TRUE(AccessDeniedMessage(1).endsWith("Invalid Username or Password."));
    EXPECT_EQ(client.shell.quitCodes, std::vector<int>{-1});
    EXPECT_FALSE(client.shell.progress.visible);
}

TEST_F(SignInFixture, UnreachableServerOffersTheProxySettings) {
    const std::uint16_t closedPort = test::freeLoopbackPort();
    for (bool answer : {true, false}) {
        Client client(folder);
        client.shell.dialogs.answer = answer;
        client.session->SetCredentials("teacher", "teach");
        EXPECT_FALSE(client.session->StartSession("127.0.0.1", closedPort));
        ASSERT_FALSE(client.shell.dialogs.shown.isEmpty());
        EXPECT_TRUE(
            client.shell.dialogs.shown[0].startsWith("error question: Unable to establish a connection"));
        EXPECT_TRUE(
            client.shell.dialogs.shown[0].endsWith("\r\n\r\nTo configure the Proxy settings press the Yes "
                                                   "button. To try again later press the No button."));
        EXPECT_EQ(client.shell.connectionSettingsOpened, answer ? 1 : 0);
        EXPECT_EQ(client.shell.dialogs.shown.size(), answer ? 2 : 1);
        EXPECT_EQ(client.shell.quitCodes, std::vector<int>{-1});
    }
}

TEST_F(SignInFixture, StartingAgainAfterALossEndsNothingWhileTheServerIsAwayButARefusalEndsTheProgram) {
    auto server = std::make_unique<test::ServerThread>(serverConfig());
    const std::uint16_t port = server->port();
    Client client(folder);
    client.session->SetCredentials("teacher", "teach");
    ASSERT_TRUE(client.session->StartSession("127.0.0.1", port));
    client.link.StopReader();
    client.link.StopWriter();

    server.reset();
    EXPECT_EQ(client.session->RestartSession(), TRestart::Unreachable);
    EXPECT_TRUE(client.shell.dialogs.shown.isEmpty()) << "no proxy question for a server that went away";
    EXPECT_TRUE(client.shell.quitCodes.empty());
    EXPECT_FALSE(client.shell.progress.visible);

    // Back again: signed in with the credentials in use, to the server in use.
    server = std::make_unique<test::ServerThread>(serverConfig(), server::createServices, port);
    EXPECT_EQ(client.session->RestartSession(), TRestart::Started);
    EXPECT_TRUE(client.link.ReaderRunning());
    EXPECT_EQ(client.state.account.UserId(), 7);
    client.link.StopReader();
    client.link.StopWriter();

    // The account's password changed meanwhile: refused, shown, and the program ends.
    client.state.account.SetPassword("stale");
    EXPECT_EQ(client.session->RestartSession(), TRestart::Ended);
    EXPECT_EQ(client.shell.dialogs.shown, QStringList{"error: " + AccessDeniedMessage(1)});
    EXPECT_EQ(client.shell.quitCodes, std::vector<int>{-1});

    // And the first sign-in keeps its question for an unreachable server.
    server.reset();
    Client first(folder);
    first.session->SetCredentials("teacher", "teach");
    first.shell.dialogs.answer = false;
    EXPECT_FALSE(first.session->StartSession("127.0.0.1", port));
    EXPECT_EQ(first.shell.dialogs.shown.size(), 1);
}

TEST_F(SignInFixture, OnlyALaunchLinkThatSignsInReplacesTheRememberedServer) {
    test::ServerThread server(serverConfig());
    const std::uint16_t closedPort = test::freeLoopbackPort();
    struct Case {
        bool viaSignInWindow;
        std::uint16_t port;
        const char* password;
        bool replaced;
    } cases[] = {
        {false, closedPort, "teach", false},
        {false, server.port(), "wrong", false},
        {false, server.port(), "teach", true},
        {true, closedPort, "teach", true}, // the window remembers what the user typed
    };
    for (const Case& c : cases) {
        TSignInOptions options;
        options.viaSignInWindow = c.viaSignInWindow;
        Client client(folder, options);
        client.shell.dialogs.answer = false;
        client.store.WriteText("", "ServerIP", "remembered.example");
        client.store.WriteInteger("", "ServerPort", 9999);
        client.session->SetCredentials("teacher", c.password);
        client.session->StartSession("127.0.0.1", c.port);
        EXPECT_EQ(client.store.ReadText("", "ServerIP"), c.replaced ? "127.0.0.1" : "remembered.example")
            << c.viaSignInWindow << " " << c.port << " " << c.password;
        EXPECT_EQ(client.store.ReadInteger("", "ServerPort"), c.replaced ? c.port : 9999);
    }
}

TEST_F(SignInFixture, DownloadsAnOfferedUpdateAndEnds) {

    QTemporaryDir serverDir;
    QFile installer(serverDir.filePath("setup.bin"));
    ASSERT_TRUE(installer.open(QIODevice::WriteOnly));
    const QByteArray bytes(300000, '\x5c');
    installer.write(bytes);
    installer.close();
    server::ServerConfig config = serverConfig();
    config.update = server::UpdateOffer{"5.0/../1", "Dec-01-2026", installer.fileName()};
    test::ServerThread server(config);

    Client client(folder);
    client.session->SetCredentials("teacher", "teach");
    EXPECT_FALSE(client.session->StartSession("127.0.0.1", server.port()));
    ASSERT_EQ(client.shell.opened.size(), 1);
    const QFileInfo file(client.shell.opened[0]);
    EXPECT_EQ(file.absolutePath(), QDir(folder).filePath("Versions"));
    EXPECT_TRUE(file.fileName().endsWith("OrvaneBrowserSetup5.0..1.exe")) << file.fileName().toStdString();
    QFile downloaded(file.filePath());
    ASSERT_TRUE(downloaded.open(QIODevice::ReadOnly));
    EXPECT_EQ(downloaded.readAll(), bytes);
    EXPECT_EQ(client.shell.quitCodes, std::vector<int>{0}) << "one quit request, no sign-in failure after it";
    EXPECT_EQ(client.shell.dialogs.shown.size(), 2); // the offer and the completion
}

// Raw replies for a scripted server: what ours never sends (hostile file names, short downloads).
QByteArray header(std::uint16_t command, std::int32_t size, std::uint16_t code = 0) {
    TPacketHeader h;
    FillHeader(command, 1, 0, h);
    h.DataSize = size;
    h.ResultCode = code;
    return h.toByteArray();
}

void sendAll(int fd, const QByteArray& bytes) {
    ::send(fd, bytes.constData(), std::size_t(bytes.size()), MSG_NOSIGNAL);
}
void drain(int fd, std::size_t n) {
    std::vector<char> buffer(n);
    for (std::size_t got = 0; got < n;) {
        const ssize_t r = ::recv(fd, buffer.data() + got, n - got, 0);
        if (r <= 0)
            return;
        got += std::size_t(r);
    }
}

TEST_F(SignInFixture, BannerNamesFromTheServerCannotLeaveTheProgramFolder) {
    const QString names[] = {"../../escape.png", "..", "/etc/passwd-banner", "dir\\..\\win.png", ""};
    for (const QString& name : names) {
        test::LoopbackListener listener;
        std::thread server([&] {
            const int fd = listener.accept();
            drain(fd, 32);
            sendAll(fd, header(0, 0));
            drain(fd, 64);
            TAccountRecord account;
            account.SetUserId(3);
            sendAll(fd, header(0, 1077) + account.toByteArray());
            drain(fd, 20);
            TStartupInfo info;
            info.SetBannerFlag(true);
            info.SetBannerFileName(name);
            info.SetBannerFileSize(4);
            sendAll(fd, header(cmStartupInfo, 523) + info.toByteArray() + "abcd" + header(cmRoomList, 0));
            drain(fd, 20);
            ::close(fd);
        });
        Client client(folder);
        client.session->SetCredentials("u", "p");
        ASSERT_TRUE(client.session->OpenSession("127.0.0.1", listener.port())) << name.toStdString();
        const QString saved = client.state.bannerPath;
        if (!saved.isEmpty())
            EXPECT_EQ(QFileInfo(saved).absolutePath(), QDir(folder).absolutePath()) << name.toStdString();
        EXPECT_EQ(client.state.startup.BannerFlag(), !saved.isEmpty());
        // The bytes after the banner belong to the next exchange and read correctly.
        std::uint8_t next[20];
        client.connection.readExact(next, 20);
        EXPECT_EQ(TPacketHeader::decode(next).Command, cmRoomList);
        client.connection.writeAll(next, 20);
        server.join();
    }
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath("../escape.png")));
}

TEST_F(SignInFixture, ShortUpdateDownloadIsAnErrorAndLeavesNoFile) {
    test::LoopbackListener listener;
    std::thread server([&] {
        const int fd = listener.accept();
        drain(fd, 32);
        TVersionRecord offered;
        offered.SetVersion("6.0");
        const QByteArray count = wire::bytesOf(std::uint32_t(4000000000u));
        sendAll(fd, header(0, 0, 21) + offered.toByteArray() + count + QByteArray(1000, 'x'));
        ::close(fd);
    });
    Client client(folder);
    client.session->SetCredentials("u", "p");
    EXPECT_FALSE(client.session->StartSession("127.0.0.1", listener.port()));
    server.join();
    EXPECT_TRUE(client.shell.opened.isEmpty());
    ASSERT_GE(client.shell.dialogs.shown.size(), 2);
    EXPECT_TRUE(
        client.shell.dialogs.shown[1].startsWith("error: Unable to download new version from server."));
    EXPECT_TRUE(QDir(QDir(folder).filePath("Versions")).isEmpty());
}

TEST_F(SignInFixture, RememberMeKeepsOrClearsTheCredentials) {
    test::ServerThread server(serverConfig());
    for (bool remember : {true, false}) {
        Client client(folder);
        client.store.WriteFlag("", "RememberMe", remember);
        client.store.WriteText("", "UserName", "stale");
        client.session->SetCredentials("teacher", "teach");
        ASSERT_TRUE(client.session->OpenSession("127.0.0.1", server.port()));
        EXPECT_EQ(client.store.ReadText("", "UserName"), remember ? "teacher" : "");
        EXPECT_EQ(Unscramble(client.store.ReadText("", "Password")), remember ? "teach" : "");
        EXPECT_EQ(client.store.ReadInteger("", "UserID"), remember ? 7 : 0);
    }
    TSignInOptions linkOptions;
    linkOptions.viaSignInWindow = false;
    Client launched(folder, linkOptions);
    launched.store.WriteText("", "UserName", "kept");
    launched.store.WriteFlag("", "RememberMe", false);
    launched.session->SetCredentials("teacher", "teach");
    ASSERT_TRUE(launched.session->OpenSession("127.0.0.1", server.port()));
    EXPECT_EQ(launched.store.ReadText("", "UserName"), "kept") << "a launch link never touches them";
}

TEST_F(SignInFixture, ReusesAnOpenConnectionToTheSameServer) {
    test::ServerThread server(serverConfig());
    Client client(folder);
    EXPECT_EQ(client.session->ConnectServer("127.0.0.1", server.port()), 0);
    EXPECT_EQ(client.session->ConnectServer("127.0.0.1", server.port()), 0);
    EXPECT_TRUE(client.connection.isConnected());
    std::size_t connections = 0;
    pumpUntil([&] {
        server.call([&](server::SessionServer& s) { connections = s.connectionCount(); });
        return connections == 1;
    });
    EXPECT_EQ(connections, 1u);
}

TEST_F(SignInFixture, EmptyRoomListAndRoomListErrors) {
    server::ServerConfig config = serverConfig();
    config.rooms.clear();
    test::ServerThread server(config);
    Client client(folder);
    client.session->SetCredentials("teacher", "teach");
    ASSERT_TRUE(client.session->StartSession("127.0.0.1", server.port()));
    client.session->RequestRoomList();
    ASSERT_TRUE(client.waitFor(MainMsg::RoomListLoaded));
    EXPECT_TRUE(client.state.roomList.empty());
    bool asked = false;
    client.session->OnRoomListReported(0, [&] {
        asked = true;
        return -1;
    });
    EXPECT_TRUE(asked) << "an empty list is still shown";
    EXPECT_EQ(client.shell.quitCodes, std::vector<int>{0}) << "no room chosen ends the program";
    client.session->OnRoomListReported(29, [] { return 1; });
    EXPECT_TRUE(client.shell.dialogs.shown.last().startsWith("error: Unable to load the virtual rooms."));
    EXPECT_EQ(client.shell.quitCodes.back(), -1);
}

TEST(RoomAccessText, StateWinsOverThePrivateFlag) {
    struct Case {
        bool isPrivate;
        std::int32_t state;
        const char* text;
    } cases[] = {{false, 1, "Public"},      {true, 1, "Private"},     {true, 0, "Disabled"},
                 {false, 2, "Unavailable"}, {true, 2, "Unavailable"}, {true, 3, "Expired"},
                 {false, 7, "Public"}};
    for (const auto& c : cases) {
        TRoomListEntry e;
        e.SetPrivate(c.isPrivate);
        e.SetState(c.state);
        EXPECT_EQ(TSignInSession::AccessText(e), c.text);
    }
}

TEST(ErrorMessages, TableTextsAndUnknownCodes) {
    EXPECT_EQ(ErrorText(0), "No Error");
    EXPECT_EQ(ErrorText(54), "There are no more free microphones in the virtual room.");
    EXPECT_EQ(ErrorText(56), "The subscription of the host has been put on hold.");
    EXPECT_TRUE(ErrorText(19).endsWith(SupportAddress()));
    EXPECT_EQ(ErrorText(57), "Unknown error reported by the server (code 57).");
    EXPECT_EQ(ErrorText(-1), "Unknown error reported by the server (code -1).");
    EXPECT_EQ(
        AccessDeniedMessage(18),
        "Access Denied ! [with message code: 18]\r\nError description is: \r\nInvalid Virtual Room Number.");
}

TEST_F(SignInFixture, SignsInThroughRealSocksProxies) {
    test::ServerThread server(serverConfig());
    test::ProxyProcess dante;
    ASSERT_TRUE(dante.startDante()) << "danted must be installed";
    test::ProxyProcess microsocks;
    ASSERT_TRUE(microsocks.startMicrosocks("proxyuser", "proxypass")) << "microsocks must be installed";
    test::Socks4aPeer socks4a;

    struct Case {
        const char* name;
        int version;
        std::uint16_t port;
        bool authentication;
    } cases[] = {
        {"dante socks4", TProxySettings::Socks4, dante.port(), false},
        {"dante socks5", TProxySettings::Socks5, dante.port(), false},
        {"microsocks socks5 with password", TProxySettings::Socks5, microsocks.port(), true},
        {"own socks4a", TProxySettings::Socks4A, socks4a.port(), false},
    };
    for (const auto& c : cases) {
        TSignInOptions options;
        options.proxy = {true, c.version, "127.0.0.1", c.port, c.authentication, "proxyuser", "proxypass"};
        Client client(folder, options);
        client.session->SetCredentials("teacher", "teach");
        ASSERT_TRUE(client.session->StartSession(
            c.version == TProxySettings::Socks4A ? "localhost" : "127.0.0.1", server.port()))
            << c.name << ": " << client.shell.dialogs.shown.join(" | ").toStdString();
        EXPECT_TRUE(client.state.proxy.inUse() && client.state.proxy.port == c.port)
            << c.name << ": the transfers take the proxy the control connection went through";
        client.session->RequestRoomList();
        EXPECT_TRUE(client.waitFor(MainMsg::RoomListLoaded)) << c.name;
        EXPECT_EQ(client.state.roomList.size(), 2u) << c.name;
    }
    EXPECT_EQ(socks4a.served(), 1);

    TSignInOptions wrong;
    wrong.proxy = {true, TProxySettings::Socks5, "127.0.0.1", microsocks.port(), true, "proxyuser", "nope"};
    Client refused(folder, wrong);
    refused.session->SetCredentials("teacher", "teach");
    EXPECT_FALSE(refused.session->StartSession("127.0.0.1", server.port()));
    ASSERT_FALSE(refused.shell.dialogs.shown.isEmpty());
    EXPECT_TRUE(
        refused.shell.dialogs.shown[0].startsWith("error question: Unable to establish a connection"));
    EXPECT_TRUE(refused.shell.serverPanel.contains("Disconnected"))
        << refused.shell.serverPanel.toStdString();
}

} // namespace
} // namespace orv
