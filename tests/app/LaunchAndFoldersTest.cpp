#include "app/DesktopRegistration.h"
#include "app/LaunchLink.h"
#include "app/ProgramFolders.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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
    for (const char* type :
         {"x-scheme-handler/orvjoin", "x-scheme-handler/orvplay", "x-scheme-handler/orvurl",
          "x-scheme-handler/or5", "application/x-orvanesession", "application/x-or5session"})
        EXPECT_TRUE(text.contains(type)) << type;
    QFile package(dir.filePath("mime/packages/orvane-live-or5.xml"));
    ASSERT_TRUE(package.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(package.readAll());
    EXPECT_TRUE(xml.contains("<glob pattern=\"*.or5\"/>"));
    EXPECT_TRUE(xml.contains("<comment>Orvane Live 5 Recorded Session</comment>"));
}

} // namespace
} // namespace orv
