// The server's accounts as a school runs them: a database created fresh or filled from the demo's INI file,
// passwords kept only as Argon2id hashes, the admin tool's changes applied by a running server, and password
// guessing slowed down without locking the real user out for good.
#include "protocol/ResultCodes.h"
#include "support/EventPump.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"
#include "support/TestAccounts.h"

#include "AccountDatabase.h"
#include "PasswordHash.h"
#include "ServerConfig.h"
#include "ServiceList.h"
#include "SessionServer.h"
#include "SignInThrottle.h"

#include <QProcess>

#include <QTemporaryDir>
#include <functional>

#include <gtest/gtest.h>

namespace orv::accounts {

using server::AccountDatabase;
using test::SimulatedClient;

TEST(Accounts, ANewDatabaseIsEmptyAndTheDemoFileFillsItWithHashedPasswords) {
    QTemporaryDir dir;
    const QString path = dir.filePath("accounts.sqlite");
    const server::ServerConfig demo = server::loadServerConfig(ORV_SOURCE_DIR "/server/demo.ini");
    {
        AccountDatabase db(path);
        EXPECT_TRUE(db.isEmpty());
        db.import(demo);
    }
    AccountDatabase reopened(path);
    EXPECT_FALSE(reopened.isEmpty());
    server::ServerConfig loaded;
    reopened.loadInto(loaded);
    ASSERT_EQ(loaded.accounts.size(), demo.accounts.size());
    for (const server::AccountConfig& a : demo.accounts) {
        const server::AccountConfig* kept = loaded.findAccount(a.userName);
        ASSERT_NE(kept, nullptr) << a.userName.toStdString();
        EXPECT_EQ(kept->userId, a.userId);
        EXPECT_EQ(kept->accountType, a.accountType);
        EXPECT_EQ(kept->blocked, a.blocked);
        EXPECT_TRUE(kept->passwordHash.startsWith("$argon2id$")) << kept->passwordHash.toStdString();
    }
    EXPECT_TRUE(server::PasswordMatches(loaded.findAccount("teacher")->passwordHash, "teach"));
    EXPECT_FALSE(server::PasswordMatches(loaded.findAccount("teacher")->passwordHash, "Teach"));
    EXPECT_FALSE(server::PasswordMatches("teach", "teach")) << "a password kept in clear never matches";
    ASSERT_EQ(loaded.rooms.size(), demo.rooms.size());
    EXPECT_EQ(loaded.rooms.at(200).members, demo.rooms.at(200).members);
    EXPECT_EQ(loaded.rooms.at(200).isPrivate, true);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (const char* password : {"teach", "alice"})
        EXPECT_FALSE(bytes.contains(QByteArray("=") + password)) << "no password in clear in the file";
    EXPECT_EQ(file.permissions() & (QFile::ReadOther | QFile::ReadGroup), 0) << "readable by its owner alone";
}

struct AdminRun {
    int code;
    QString out, err;
};

AdminRun Admin(const QString& database, const QStringList& arguments) {
    QProcess admin;
    admin.start(ORV_ADMIN_BINARY, QStringList{"--database", database} + arguments);
    EXPECT_TRUE(admin.waitForFinished(60000));
    return {admin.exitCode(), QString::fromUtf8(admin.readAllStandardOutput()),
            QString::fromUtf8(admin.readAllStandardError())};
}

std::uint16_t SignInCode(std::uint16_t port, const char* user, const char* password) {
    SimulatedClient client;
    client.connect(port);
    EXPECT_EQ(client.checkVersion(), 0);
    TSignInRecord r;
    r.SetUserName(user);
    r.SetPassword(password);
    client.send(r.toByteArray());
    return client.readHeader().ResultCode;
}

TEST(Accounts, TheAdminToolsChangesReachTheRunningServer) {
    QTemporaryDir dir;
    const QString path = dir.filePath("school.sqlite");
    test::ServerThread server(test::ClassroomConfig({}));
    server.call([&](server::SessionServer& s) {
        auto db = std::make_unique<AccountDatabase>(path);
        db->setSetting("store", s.resources().root());
        s.useAccountDatabase(std::move(db));
    });
    const auto serverKnows = [&](const char* user,
                                 std::function<bool(const server::AccountConfig&)> predicate) {
        return test::pumpUntil([&] {
            bool known = false;
            server.call([&](server::SessionServer& running) {
                const server::AccountConfig* account = running.config().findAccount(user);
                known = account && predicate(*account);
            });
            return known;
        });
    };

    const AdminRun added = Admin(path, {"users", "add", "zoe", "--password", "s3cret wd", "--moderator"});
    ASSERT_EQ(added.code, 0) << added.err.toStdString();
    ASSERT_TRUE(serverKnows("zoe", [](const server::AccountConfig&) { return true; }));
    EXPECT_EQ(SignInCode(server.port(), "zoe", "s3cret wd"), ResultCode::Success);

    ASSERT_EQ(Admin(path, {"users", "block", "zoe"}).code, 0);
    ASSERT_TRUE(serverKnows("zoe", [](const server::AccountConfig& a) { return a.blocked; }));
    EXPECT_EQ(SignInCode(server.port(), "zoe", "s3cret wd"), ResultCode::Blocked);

    ASSERT_EQ(Admin(path, {"rooms", "add", "500", "Chemistry", "--private", "--microphones", "3"}).code, 0);
    ASSERT_EQ(Admin(path, {"rooms", "members", "500", "add", "zoe"}).code, 0);
    EXPECT_TRUE(test::pumpUntil([&] {
        bool member = false;
        server.call([&](server::SessionServer& s) {
            const server::RoomConfig* room = s.config().findRoom(500);
            member = room && room->microphones == 3 && room->members.contains("zoe");
        });
        return member;
    }));

    // Mistakes are told plainly and change nothing.
    const struct Case {
        QStringList arguments;
        int code;
        const char* says;
    } mistakes[] = {
        {{"users", "add", "zoe", "--password", "x"}, 1, "already a user named zoe"},
        {{"users", "add", "nopassword"}, 2, "needs --password"},
        {{"users", "add", "longpass", "--password", "elevenchars"}, 1, "1 to 10 characters"},
        {{"rooms", "add", "501", "Loud", "--microphones", "9"}, 1, "microphones"},
        {{"rooms", "set", "500", "colour", "red"}, 1, "no setting \"colour\""},
        {{"rooms", "set", "999", "name", "X"}, 1, "no room 999"},
        {{"users", "remove", "nobody"}, 1, "no user named nobody"},
        {{"recordings", "delete", "7"}, 1, "no recording 7"},
        {{"lessons", "list"}, 2, "no group"},
    };
    for (const Case& c : mistakes) {
        const AdminRun run = Admin(path, c.arguments);
        EXPECT_EQ(run.code, c.code) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.says)) << run.err.toStdString();
    }
    const AdminRun listed = Admin(path, {"users", "list"});
    EXPECT_EQ(listed.out.trimmed(), "1\tzoe\tzoe\tmoderator\tblocked");
    EXPECT_EQ(Admin(path, {"--help"}).code, 0);
}

// The throttle's own rule, on a clock of the test's.
TEST(Accounts, FailedSignInsAreAnsweredEverMoreSlowlyAndForgottenInTime) {
    server::SignInThrottle throttle;
    const struct Step {
        std::int64_t at;
        const char* account;
        const char* address;
        bool fails;              // a failure, or a success
        std::int64_t waitBefore; // how long this attempt is told to wait first
        std::int64_t answeredIn; // a failure's delay
    } steps[] = {
        {0, "ann", "10.0.0.1", true, 0, 0},
        {10, "ann", "10.0.0.1", true, 0, 0},
        {20, "ann", "10.0.0.1", true, 0, 1000},
        {500, "ann", "10.0.0.9", true, 520, 0},   // too soon for the account, from anywhere
        {1020, "ann", "10.0.0.1", true, 0, 2000}, // the fourth failure in a row
        {3020, "bob", "10.0.0.1", true, 0, 4000}, // the address failed five times, whoever it names
        {7020, "ann", "10.0.0.2", false, 0, 0},   // the real user: signed in, the account is clear
        {7030, "ann", "10.0.0.2", true, 0, 0},
        {7040, "carl", "10.0.0.1", true, 0, 8000},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(throttle.waitBeforeTrying(s.account, s.address, s.at), s.waitBefore) << s.at;
        if (s.waitBefore > 0)
            continue;
        if (s.fails)
            EXPECT_EQ(throttle.failed(s.account, s.address, s.at), s.answeredIn) << s.at;
        else
            throttle.succeeded(s.account);
    }
    EXPECT_EQ(server::SignInThrottle::delayAfter(40), server::SignInThrottle::kLongestDelayMs);
    const std::int64_t later = 7040 + server::SignInThrottle::kForgetAfterMs + 1;
    EXPECT_EQ(throttle.waitBeforeTrying("carl", "10.0.0.1", later), 0);
    EXPECT_EQ(throttle.failed("carl", "10.0.0.1", later), 0) << "forgotten a quarter of an hour on";

    // Endless names from endless addresses keep the throttle's memory bounded, the newest failures kept.
    server::SignInThrottle flooded;
    const std::int64_t n = std::int64_t(server::SignInThrottle::kMostKept) + 10;
    for (std::int64_t i = 0; i < n; ++i)
        flooded.failed(QString("user%1").arg(i), QString("10.1.%1").arg(i), i);
    for (int i = 0; i < 3; ++i)
        flooded.failed("target", "10.9.9.9", n + i);
    EXPECT_GT(flooded.waitBeforeTrying("target", "10.8.8.8", n + 3), 0) << "the newest still counted";
}

// On the server: once the account is in its waiting time, even the right password is refused unchecked;
// after it, the real user signs in.
TEST(Accounts, TheServerRefusesAttemptsInTheWaitingTimeAndLetsTheUserInAfterIt) {
    std::int64_t now = 0;
    auto services = [&now](server::IServiceHost& host) {
        return server::createServicesWithClock(host, [&now] { return now; });
    };
    test::ServerThread server(test::ClassroomConfig({{"ann", 2}}), services);
    for (int i = 0; i < server::SignInThrottle::kFreeFailures; ++i)
        EXPECT_EQ(SignInCode(server.port(), "ann", "guess"), ResultCode::WrongCredentials);
    EXPECT_EQ(SignInCode(server.port(), "ann", "annpw"), ResultCode::WrongCredentials)
        << "within the waiting time the password is not even checked";
    now += server::SignInThrottle::kFirstDelayMs;
    EXPECT_EQ(SignInCode(server.port(), "ann", "annpw"), ResultCode::Success);
}

} // namespace orv::accounts
