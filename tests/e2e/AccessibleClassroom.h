#pragma once
// A classroom for the accessibility tests: our server, a moderator played inside the test (the program's own
// roster, chat and polls modules on a real session link), and the real client on a virtual desktop with an
// accessibility bus, signed in as a participant from remembered credentials. What a screen reader finds in
// the client comes from tests/e2e/screen_reader.py, which reads the accessibility bus as Orca does.

#include "chat/ChatModule.h"
#include "moderation/ModerationModule.h"
#include "platform/Scramble.h"
#include "platform/Timer.h"
#include "polls/PollsModule.h"
#include "roster/RosterModule.h"
#include "support/AccessibilityBus.h"
#include "support/ClientProcess.h"
#include "support/EventPump.h"
#include "support/LiveClient.h"
#include "support/Prerequisites.h"
#include "support/ServerThread.h"
#include "support/SessionBus.h"
#include "support/TestAccounts.h"
#include "support/VirtualDesktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace orv::test {

// Ends only a hung wait: a loaded machine running the sanitizers never reaches it.
constexpr int kHungAfterMs = 240000;

struct Moderator : LiveClient {
    explicit Moderator(const QString& folder) : LiveClient(folder) {
        add(roster);
        add(moderation);
        add(chat);
        add(polls);
    }
    TRosterModule roster{context};
    // Raised hands and other motions reach the roster through it.
    TModerationModule moderation{context, roster.Participants(), [] { return std::optional<QString>(); }};
    TChatModule chat{context, roster.Directory(), nullptr};
    TPollsModule polls{context, roster.Directory(), roster.Marks(), nullptr, QtTimerFactory::instance()};
};

struct ReaderAnswer {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

class AccessibleClassroom : public ::testing::Test {
protected:
    static constexpr const char* kSignIn = "Authentication Required$";
    static constexpr const char* kRoomList = "^Welcome to Orvane Live$";
    static constexpr const char* kMainWindow = "in a virtual session$";

    static server::ServerConfig Config() {
        server::ServerConfig c =
            ClassroomConfig({{"teacher", 1, 1000, "Tess", "Marlowe"}, {"alice", 2, 0, "Alice", "Byrne"}});
        c.rooms[100].name = "Physics 101";
        c.voicePort = 0;
        // The moderator played here keeps no heartbeat running: the server must not take its silence for a
        // lost connection while the client is walked.
        c.silenceTimeoutMs = 3600000;
        return c;
    }

    // Everything the tests need, or the reason it is missing.
    QString Missing() const {
        if (desktop.display().isEmpty())
            return desktop.failure();
        if (bus.address().isEmpty())
            return "dbus-daemon did not start (scripts/install-deps.sh installs dbus-daemon)";
        QProcess python;
        python.start("/usr/bin/python3", {"-c", "import pyatspi"});
        if (!python.waitForFinished(kHungAfterMs) || python.exitCode() != 0)
            return "python3 cannot import pyatspi (scripts/install-deps.sh installs python3-pyatspi)";
        return {};
    }

    void StartAccessibility() {
        accessibility = std::make_unique<AccessibilityBus>(bus.address(), desktop.display());
    }

    // The client, signed in as Alice by its remembered credentials, with the accessibility bridge on.
    // Without remembered credentials the sign-in window waits for them to be typed.
    void StartClient(const QStringList& environment = {}, bool remembered = true) {
        QDir().mkpath(QFileInfo(client.settingsFile()).absolutePath());
        QFile settings(client.settingsFile());
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        const QString credentials =
            remembered
                ? QString("RememberMe=1\nUserName=alice\nPassword=%1\n").arg(Scramble(PasswordOf("alice")))
                : QString();
        settings.write(QString("[Browser]\n%1ServerIP=127.0.0.1\nServerPort=%2\n")
                           .arg(credentials)
                           .arg(server.port())
                           .toUtf8());
        settings.close();
        client.setEnvironment("DBUS_SESSION_BUS_ADDRESS", bus.address());
        // The program finds the accessibility bus through the session bus, as on a desktop. (Qt 6.4 misses
        // the bus when AT_SPI_BUS_ADDRESS names it.)
        if (accessibility)
            client.setEnvironment("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        for (const QString& variable : environment)
            client.setEnvironment(variable.section('=', 0, 0), variable.section('=', 1));
        ASSERT_TRUE(client.start({}));
    }

    void EnterAsModerator() { teacher.enter(server.port(), "teacher", PasswordOf("teacher"), 100); }

    QStringList ReaderArguments(const QStringList& arguments) {
        return QStringList{ORV_SOURCE_DIR "/tests/e2e/screen_reader.py",
                           QString::number(client.process().processId())} +
               arguments;
    }
    void PrepareReader(QProcess& reader) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", desktop.display());
        environment.insert("DBUS_SESSION_BUS_ADDRESS", bus.address());
        if (accessibility)
            environment.insert("AT_SPI_BUS_ADDRESS", accessibility->address());
        reader.setProcessEnvironment(environment);
    }

    // Runs the screen reader script to its end, the moderator's session running meanwhile.
    ReaderAnswer Read(const QStringList& arguments) {
        QProcess reader;
        PrepareReader(reader);
        reader.start("/usr/bin/python3", ReaderArguments(arguments));
        pumpUntil([&] { return reader.waitForFinished(20); }, kHungAfterMs);
        ReaderAnswer answer;
        answer.exitCode = reader.exitStatus() == QProcess::NormalExit ? reader.exitCode() : -1;
        answer.lines = QString::fromUtf8(reader.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        answer.errors = QString::fromUtf8(reader.readAllStandardError());
        return answer;
    }

    // A script that keeps running (a listener, an action whose window blocks its answer).
    std::unique_ptr<QProcess> StartReader(const QStringList& arguments) {
        auto reader = std::make_unique<QProcess>();
        PrepareReader(*reader);
        reader->start("/usr/bin/python3", ReaderArguments(arguments));
        return reader;
    }

    // The next line of a running script that contains all of `parts`, or empty after a hang.
    QString WaitForLine(QProcess& reader, const QStringList& parts) {
        QString found;
        pumpUntil(
            [&] {
                reader.waitForReadyRead(20);
                while (found.isEmpty() && reader.canReadLine()) {
                    const QString line = QString::fromUtf8(reader.readLine()).trimmed();
                    heard << line;
                    if (std::all_of(parts.begin(), parts.end(),
                                    [&](const QString& p) { return line.contains(p); }))
                        found = line;
                }
                return !found.isEmpty() || (reader.state() == QProcess::NotRunning && !reader.canReadLine());
            },
            kHungAfterMs);
        return found;
    }

    QStringList heard; // every line the running scripts printed, for a failure's message
    VirtualDesktop desktop{{1280, 1024}, true};
    PrivateSessionBus bus;
    std::unique_ptr<AccessibilityBus> accessibility;
    ServerThread server{Config()};
    QTemporaryDir teacherHome;
    Moderator teacher{teacherHome.path()};
    ClientProcess client{ORV_CLIENT_BINARY, desktop.display()};
};

} // namespace orv::test
