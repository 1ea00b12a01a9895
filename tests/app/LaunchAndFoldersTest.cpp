#include "app/DesktopRegistration.h"
#include "app/LaunchLink.h"
#include "app/ProgramFolders.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(LaunchLink, ModesAndFields) {
    using M = TLaunchMode;
    struct Case {
        const char* argument;
        M mode;
        const char* host;
        int port;
        const char* user;
        const char* password;
        int room;
        const char* rest;
    } cases[] = {
        {"", M::SignInWindow, "", -1, "", "", 0, ""},
        {"   ", M::SignInWindow, "", -1, "", "", 0, ""},
        {"ORVJOIN://srv.example,9910,ann,pw,12", M::Join, "srv.example", 9910, "ann", "pw", 12, nullptr},
        {"orvjoin://srv.example,9910,ann,pw,12/", M::Join, "srv.example", 9910, "ann", "pw", 12, nullptr},
        {"ORVJOIN://srv.example,0,ann,pw,12", M::SignInWindow, "", -1, "", "", 0, nullptr},
        {"ORVJOIN://srv.example,9910,ann,pw,twelve", M::SignInWindow, "", -1, "", "", 0, nullptr},
        {"ORVJOIN://srv.example,9910,ann,pw,0", M::SignInWindow, "", -1, "", "", 0, nullptr},
        {"ORVJOIN://srv.example,9910,ann,12", M::SignInWindow, "", -1, "", "", 0, nullptr},
        {"ORVJOIN://srv.example,9910,ann,pw,12,x", M::SignInWindow, "", -1, "", "", 0, nullptr},
        {"ORVJOIN://srv.example,9910 ,ann,pw,12", M::SignInWindow, "", -1, "", "", 0, nullptr},
        {"ORVJOIN:// ,9910,ann,pw,12", M::SignInWindow, "", -1, "", "", 0, nullptr},
        {"orvjoins://srv.example,9910,ann,pw,12/", M::Join, "srv.example", 9910, "ann", "pw", 12, nullptr},
        {"ORVJOINS://srv.example,0,ann,pw,12", M::SignInWindow, "", -1, "", "", 0, nullptr},
        {"ORVPLAY://srv.example,9910,ann,pw,lesson-3", M::PlayFromServer, "srv.example", 9910, "ann", "pw", 0,
         nullptr},
        {"ORVPLAY://srv.example,9910,ann,pw,", M::SignInWindow, "", -1, "", "", 0, nullptr},
        {"ORVURL://media.example/rec/s1.orvane", M::PlayFromAddress, "", -1, "", "", 0,
         "http://media.example/rec/s1.orvane"},
        {"/home/ann/lesson.orvane", M::LocalFile, "", -1, "", "", 0, "/home/ann/lesson.orvane"},
        {"file:///home/ann/my%20lesson.or5", M::LocalFile, "", -1, "", "", 0, "/home/ann/my lesson.or5"},
    };
    for (const auto& c : cases) {
        const TLaunch launch = ParseLaunchArgument(c.argument);
        EXPECT_EQ(launch.mode, c.mode) << c.argument;
        EXPECT_EQ(launch.values.host, c.host) << c.argument;
        EXPECT_EQ(launch.values.port, c.port) << c.argument;
        EXPECT_EQ(launch.values.userName, c.user) << c.argument;
        EXPECT_EQ(launch.values.password, c.password) << c.argument;
        EXPECT_EQ(launch.values.room, c.room) << c.argument;
        if (c.rest)
            EXPECT_EQ(launch.rest, c.rest) << c.argument;
    }
    EXPECT_EQ(ParseLaunchArgument("ORVPLAY://h,1,u,p,name").values.sessionName, "name");
    // Only a valid ORVJOINS:// link asks for encryption.
    for (const auto& [argument, encrypted] : {std::pair{"ORVJOINS://h,1,u,p,2", true},
                                              {"ORVJOIN://h,1,u,p,2", false},
                                              {"ORVJOINS://h,1,u,p,zero", false}})
        EXPECT_EQ(ParseLaunchArgument(argument).encrypted, encrypted) << argument;
}

TEST(ClearFolder, DeletesWritableFilesAndKeepsReadOnlyOnes) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("temp");
    QDir().mkpath(folder + "/sub");
    for (const char* name : {"a.tmp", "b.tmp", ".hidden"}) {
        QFile f(folder + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QFile readOnly(folder + "/kept.txt");
    ASSERT_TRUE(readOnly.open(QIODevice::WriteOnly));
    readOnly.close();
    readOnly.setPermissions(QFile::ReadOwner);

    EXPECT_TRUE(ClearFolder(folder));
    EXPECT_FALSE(QFile::exists(folder + "/a.tmp"));
    EXPECT_FALSE(QFile::exists(folder + "/.hidden"));
    EXPECT_TRUE(QFile::exists(folder + "/kept.txt"));
    EXPECT_TRUE(QFileInfo(folder + "/sub").isDir());

    QFile::setPermissions(folder + "/kept.txt", QFile::ReadOwner | QFile::WriteOwner);
    QDir(folder + "/sub").removeRecursively();
    EXPECT_TRUE(ClearFolder(folder));
    EXPECT_FALSE(QFileInfo::exists(folder)) << "an emptied folder is removed";
    EXPECT_FALSE(ClearFolder(folder)) << "a missing folder";
}

TEST(ProgramFolders, PreparesPrivateFoldersAndTheRecordingStem) {
    QTemporaryDir dir;
    const TProgramFolders f = TProgramFolders::Prepare(dir.filePath("app"));
    for (const QString& folder : {f.localData, f.temporary, f.userImages})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    EXPECT_FALSE(QFileInfo::exists(f.personalities));
    EXPECT_EQ(
        QFileInfo(f.temporary).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther), 0);
    EXPECT_TRUE(QRegularExpression("^S_\\d{10}_\\d+$").match(RecordingNameStem()).hasMatch());
}

TEST(DesktopRegistration, WritesTheEntryAndMimePackages) {
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    const QString program = "/opt/orvane live/orvane-live";
    EXPECT_TRUE(RegisterFileType(program, {"orvane", "Orvane Live Recorded Session"}));
    EXPECT_TRUE(RegisterFileType(program, {"or5", "Orvane Live 5 Recorded Session"}));
    qputenv("XDG_DATA_HOME", saved);

    QFile entry(dir.filePath("applications/orvane-live.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(text.contains("Exec=\"/opt/orvane live/orvane-live\" %u"));
    for (const char* type : {"x-scheme-handler/orvjoin", "x-scheme-handler/orvjoins",
                             "x-scheme-handler/orvplay", "x-scheme-handler/orvurl", "x-scheme-handler/or5",
                             "application/x-orvanesession", "application/x-or5session"})
        EXPECT_TRUE(text.contains(type)) << type;
    QFile package(dir.filePath("mime/packages/orvane-live-or5.xml"));
    ASSERT_TRUE(package.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(package.readAll());
    EXPECT_TRUE(xml.contains("<glob pattern=\"*.or5\"/>"));
    EXPECT_TRUE(xml.contains("<comment>Orvane Live 5 Recorded Session</comment>"));
}

TEST(DesktopRegistration, ExecArgumentsAreQuotedOnlyWhenTheyMustBe) {
    const struct {
        const char* path;
        const char* written;
    } cases[] = {
        {"/usr/bin/orvane-live", "/usr/bin/orvane-live"},
        {"/opt/orvane live/orvane-live", "\"/opt/orvane live/orvane-live\""},
        {"/opt/a$b/x", "\"/opt/a\\\\$b/x\""},
        {"/opt/a\\b/x", "\"/opt/a\\\\\\\\b/x\""},
        {"/opt/it's/x", "\"/opt/it's/x\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExecArgument(c.path), c.written) << c.path;
}

// xdg-open without a recognised desktop reads the Exec line itself and does not undo quotes.
TEST(DesktopRegistration, AJoinLinkLaunchesThroughXdgOpenWithoutADesktop) {
    const QString xdgOpen = QStandardPaths::findExecutable("xdg-open");
    ASSERT_FALSE(xdgOpen.isEmpty()) << "xdg-utils must be installed";
    QTemporaryDir dir;
    const QString program = dir.filePath("bin/orvane-live");
    QDir().mkpath(dir.filePath("bin"));
    QFile script(program);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/arguments\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QByteArray savedData = qgetenv("XDG_DATA_HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    EXPECT_TRUE(RegisterFileType(program, {"orvane", "Orvane Live Recorded Session"}));
    qputenv("XDG_DATA_HOME", savedData);
    qputenv("XDG_CONFIG_HOME", savedConfig);
    EXPECT_TRUE(QFile::exists(dir.filePath("data/icons/hicolor/scalable/apps/orvane-live.svg")));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                             "GNOME_DESKTOP_SESSION_ID", "DISPLAY", "WAYLAND_DISPLAY", "BROWSER"})
        environment.remove(name);
    // xdg-open only asks for a link's handler when it believes a display is there; none needs to run.
    environment.insert("DISPLAY", ":97");
    environment.insert("HOME", dir.path());

    environment.insert("XDG_DATA_HOME", dir.filePath("data"));
    environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    QProcess open;
    open.setProcessEnvironment(environment);
    const QString link = "orvjoin://127.0.0.1,9910,ann,pw,100";
    open.start(xdgOpen, {link});
    ASSERT_TRUE(open.waitForFinished(20000));
    EXPECT_EQ(open.exitCode(), 0) << open.readAllStandardError().toStdString();
    QFile arguments(dir.filePath("bin/arguments"));
    ASSERT_TRUE(arguments.open(QIODevice::ReadOnly));
    EXPECT_EQ(arguments.readAll(), (link + "\n").toUtf8());
}

} // namespace
} // namespace orv
