#include "session/Settings.h"
#include "platform/Scramble.h"
#include "platform/SettingsStore.h"
#include "session/ColorText.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace orv {
namespace {

struct SettingsFixture : ::testing::Test {
    QTemporaryDir dir;
    QString file = dir.filePath("settings.ini");
    QString programFolder = dir.filePath("program");
};

TEST_F(SettingsFixture, EmptyStoreGivesEveryDefaultAndCreatesTheRecordingsFolder) {
    TSettingsStore store(file);
    const TSettings s = LoadSettings(store, programFolder);
    TSettings expected;
    expected.RecSessionsFolder = QDir(programFolder).filePath("Sessions");
    expected.ConnectionSpeedIsDefault = true;
    EXPECT_EQ(s, expected);
    EXPECT_TRUE(s.DesktopNotifications && s.AutoReconnect) << "what users of meeting programs expect";
    EXPECT_TRUE(s.EchoCancellation && s.NoiseSuppression)
        << "the captured voice is cleaned unless turned off";
    EXPECT_TRUE(QFileInfo(expected.RecSessionsFolder).isDir());
    EXPECT_EQ(store.ReadText("", "RecSessionsFolder"), expected.RecSessionsFolder);
}

TEST_F(SettingsFixture, TheStoredFileAndANewFolderAreTheOwnersAlone) {
    const QString nested = dir.filePath("new/settings.ini");
    QFile::Permissions afterSave;
    {
        TSettingsStore store(nested);
        store.WriteText("", "Password", "scrambled");
        ASSERT_TRUE(store.Flush());
        afterSave = QFile::permissions(nested);
    }
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    EXPECT_EQ(afterSave & ~(QFile::ReadUser | QFile::WriteUser), ownerOnly);
    EXPECT_EQ(QFile::permissions(dir.filePath("new")) &
                  ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              ownerOnly | QFile::ExeOwner);

    // A file an older version left readable to others is tightened, and stays so across saves.
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    ASSERT_TRUE(QFile::setPermissions(file, ownerOnly | QFile::ReadGroup | QFile::ReadOther));

    TSettingsStore store(file);
    store.WriteInteger("", "ColorTheme", 2);
    ASSERT_TRUE(store.Flush());
    EXPECT_EQ(QFile::permissions(file) & ~(QFile::ReadUser | QFile::WriteUser), ownerOnly);
}

TEST_F(SettingsFixture, StoredValuesAreCheckedAgainstTheirRanges) {

    struct Case {
        const char* name;
        const char* stored; // nullptr: missing
        std::int32_t TSettings::*field;
        std::int32_t expected;
    } cases[] = {
        {"ConnectionSpeedBytesPerSec", "0", &TSettings::ConnectionSpeed, 65536},
        {"ConnectionSpeedBytesPerSec", "100000", &TSettings::ConnectionSpeed, 100000},
        {"ConnectionSpeedBytesPerSec", "fast", &TSettings::ConnectionSpeed, 65536},
        {"PushToTalkKey", "31", &TSettings::PushToTalkKey, 17},
        {"PushToTalkKey", "0", &TSettings::PushToTalkKey, 0},
        {"PushToTalkKey", "30", &TSettings::PushToTalkKey, 30},
        {"PushToTalkKey", nullptr, &TSettings::PushToTalkKey, 17},
        {"VideoBPS", "65536", &TSettings::VideoBPS, 65536},
        {"VideoBPS", "65537", &TSettings::VideoBPS, 7168},
        {"VideoBPS", "0", &TSettings::VideoBPS, 0},
        {"InuptAudioQueueSizeEx", "1", &TSettings::InputAudioQueueSize, 2},
        {"InuptAudioQueueSizeEx", "20", &TSettings::InputAudioQueueSize, 20},
        {"InuptAudioQueueSizeEx", "21", &TSettings::InputAudioQueueSize, 2},
        {"ColorTheme", "5", &TSettings::ColorTheme, 5},
        {"ColorTheme", "6", &TSettings::ColorTheme, 0},
        {"ChatFontSize", "6", &TSettings::ChatFontSize, 8},
        {"ChatFontSize", "9", &TSettings::ChatFontSize, 9},
        {"AudioOptimizeOption", "0", &TSettings::AudioOptimizeOption, 3},
        {"AudioOutDeviceID", "-4", &TSettings::AudioOutDeviceID, 0},
        {"AudioInDeviceID", "2", &TSettings::AudioInDeviceID, 2},
        {"DefaultVideoCaptureDriver", "10", &TSettings::DefaultVideoCaptureDriver, 0},
        {"DefaultVideoCompressor", "-1", &TSettings::DefaultVideoCompressor, 861293911},
        {"VideoKFR", "30", &TSettings::VideoKFR, 30},
        {"VideoKFR", "31", &TSettings::VideoKFR, 7},
        {"VideoBitCount", "25", &TSettings::VideoBitCount, 24},
        {"VideoFormatSize", "4", &TSettings::VideoFormatSize, 4},
        {"SocksVersion", "3", &TSettings::SocksVersion, 3},
        {"SocksVersion", "4", &TSettings::SocksVersion, 0},
        {"ProxyPort", nullptr, &TSettings::ProxyPort, 1080},
        {"ProxyPort", "70000", &TSettings::ProxyPort, 1080},
        {"ProxyPort", "3128", &TSettings::ProxyPort, 3128},
        {"TextBoxFontSize", "0", &TSettings::TextBoxFontSize, 12},
        {"AppShare_RefreshRate", "-5", &TSettings::AppShareRefreshRate, 1750},
        {"AppShare_OverFlowSize", "99999999999", &TSettings::AppShareOverflowSize, 131072},
    };
    for (const auto& c : cases) {
        QFile::remove(file);
        {
            TSettingsStore store(file);
            if (c.stored)
                store.WriteText("", c.name, c.stored);
        }
        TSettingsStore store(file);
        const TSettings s = LoadSettings(store, programFolder);
        EXPECT_EQ(s.*c.field, c.expected) << c.name << " = " << (c.stored ? c.stored : "(missing)");
    }
}

TEST_F(SettingsFixture, SaveAndLoadRoundTrip) {
    TSettings saved;
    saved.UseProxy = true;
    saved.SocksVersion = 3;
    saved.ProxyHost = "proxy.example";
    saved.ProxyPort = 1081;
    saved.ProxyAuthentication = true;
    saved.ProxyUserName = "u";
    saved.ProxyPassword = "p\u00e4ss/\\%";
    saved.BeepOnNewMessage = true;
    saved.DonPopUpChatMessages = true;
    saved.InvitationURL = "http://x/a, b";
    saved.InputAudioQueueSize = 9;
    saved.PushToTalkKey = 16;
    saved.VideoFrameRate = 15;
    saved.RecSessionsFolder = dir.path();
    saved.RecorderUserName = "rec";
    saved.RecorderPassword = "secret";
    saved.TextBoxFont = "DejaVu Sans";
    saved.TextBoxFontColor = 0x00FF8000;
    saved.DefPenColor = 0x0000FF;
    saved.AppShareRefreshRate = 2250;
    saved.AppSharePixelFormat = 7;
    {
        TSettingsStore store(file);
        SaveSettings(store, saved);
    }
    TSettingsStore store(file);
    TSettings loaded = LoadSettings(store, programFolder);
    loaded.ConnectionSpeedIsDefault = false; // not saved: chosen from its own menu
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(store.ReadText("", "TextBoxFontColor"), "$00FF8000");
    EXPECT_EQ(store.ReadText("", "DefPenColor"), "clRed");
    EXPECT_NE(store.ReadText("", "ProxyPassword"), saved.ProxyPassword) << "stored scrambled";
}

// Pins the stored file: every value the settings window saves keeps its name (misspellings included) and
// its form, values stored elsewhere are not written, and each value comes back into its own field.
TEST_F(SettingsFixture, EverySavedValueIsStoredUnderItsOwnNameAndLoadsBack) {
    TSettings saved;
    saved.UseProxy = true;
    saved.SocksVersion = 2;
    saved.ProxyHost = "proxy.example";
    saved.ProxyPort = 3128;
    saved.ProxyAuthentication = true;
    saved.ProxyUserName = "user";
    saved.ProxyPassword = "pw";
    saved.ConnectionSpeed = 100000;
    saved.HelpURL = "http://help.example";
    saved.ColorTheme = 4;
    saved.ShowChatTiming = true;
    saved.ChatFontSize = 10;
    saved.BeepOnUserConnect = true;
    saved.BeepOnUserDisconnect = true;
    saved.BeepOnNewMessage = true;
    saved.BeepOnUserMotions = true;
    saved.DonPopUpChatMessages = true;
    saved.NoPopUpsOnPostIt = true;
    saved.FlashOnActions = true;
    saved.DesktopNotifications = false;
    saved.AutoReconnect = false;
    saved.InvitationURL = "http://invite.example";
    saved.MuteSpeakersWhileTalking = true;
    saved.InputAudioQueueSize = 11;
    saved.PushToTalkKey = 27;
    saved.AudioOptimizeOption = 1;
    saved.AudioOutDeviceID = 6;
    saved.AudioInDeviceID = 8;
    saved.EchoCancellation = false;
    saved.NoiseSuppression = false;
    saved.DefaultVideoCaptureDriver = 9;
    saved.DefaultVideoCompressor = 12345;
    saved.VideoFrameRate = 15;
    saved.VideoFormatSize = 3;
    saved.VideoKFR = 13;
    saved.VideoBPS = 14000;
    saved.VideoBitCount = 16;
    saved.RecSessionsFolder = dir.path();
    saved.RecorderUserName = "recorder";
    saved.RecorderPassword = "secret";
    saved.RecordOnServer = false;
    saved.TextBoxFont = "DejaVu Sans";
    saved.TextBoxFontColor = 0x00123456;
    saved.TextBoxFontSize = 20;
    saved.BoardGridSize = 40;
    saved.DefPenWidth = 5;
    saved.DefPenColor = 0x0000FF;
    saved.AppShareRefreshRate = 2250;
    saved.AppShareCursorRefreshRate = 200;
    saved.AppSharePixelFormat = 7;
    saved.AppShareOverflowSize = 77;
    saved.Language = "pt";
    {
        TSettingsStore store(file);
        SaveSettings(store, saved);
    }

    TSettingsStore store(file);
    const std::map<QString, QString> expected = {
        {"UseProxy", "1"},
        {"SocksVersion", "2"},
        {"ProxyHost", "proxy.example"},
        {"ProxyPort", "3128"},
        {"ProxyAuthentication", "1"},
        {"ProxyUserName", "user"},
        {"ProxyPassword", Scramble("pw")},
        {"ColorTheme", "4"},
        {"BeepOnUserConnect", "1"},
        {"BeepOnUserDisconnect", "1"},
        {"BeepOnNewMessage", "1"},
        {"BeepOnUserMotions", "1"},
        {"DonPopUpChatMessages", "1"},
        {"NoPopUpsOnPostIt", "1"},
        {"FlashOnActions", "1"},
        {"DesktopNotifications", "0"},
        {"AutoReconnect", "0"},
        {"InvitationURL", "http://invite.example"},
        {"Language", "pt"},
        {"MuteSpeakersWhileTalking", "1"},
        {"InuptAudioQueueSizeEx", "11"},
        {"PushToTalkKey", "27"},
        {"AudioOptimizeOption", "1"},
        {"AudioOutDeviceID", "6"},
        {"AudioInDeviceID", "8"},
        {"EchoCancellation", "0"},
        {"NoiseSuppression", "0"},
        {"DefaultVideoCaptureDriver", "9"},
        {"DefaultVideoCompressor", "12345"},
        {"VideoFrameRate", "15"},
        {"VideoFormatSize", "3"},
        {"VideoKFR", "13"},
        {"VideoBPS", "14000"},
        {"VideoBitCount", "16"},
        {"RecSessionsFolder", dir.path()},
        {"RecorderUserName", "recorder"},
        {"RecorderPassword", Scramble("secret")},
        {"RecordOnServer", "0"},
        {"TextBoxFont", "DejaVu Sans"},
        {"TextBoxFontColor", "$00123456"},
        {"TextBoxFontSize", "20"},
        {"BoardGridSize", "40"},
        {"DefPenWidth", "5"},
        {"DefPenColor", "clRed"},
        {"AppShare_RefreshRate", "2250"},
        {"AppShare_CursorRefreshRate", "200"},
        {"AppShare_PixelFormat", "7"},
    };
    std::map<QString, QString> stored;
    for (const QString& name : store.Names(""))
        stored[name] = store.ReadText("", name);
    EXPECT_EQ(stored, expected);

    TSettings loaded = saved;
    // Stored by their own modules or never: a load of this file gives their defaults.
    loaded.ConnectionSpeed = 65536;
    loaded.ConnectionSpeedIsDefault = true;
    loaded.HelpURL = "";
    loaded.ShowChatTiming = false;
    loaded.ChatFontSize = 8;
    loaded.AppShareOverflowSize = 131072;
    loaded.RecordOnServer = true; // saved, never read
    EXPECT_EQ(LoadSettings(store, programFolder), loaded);
}

TEST_F(SettingsFixture, IdentityAndEscapedSubkeyNames) {
    TSettingsStore store(file);
    WriteIdentitySettings(store, "/usr/bin/orvane-live");
    const QString question = "Is 1/2 > 1\\3? 100% sure";
    store.WriteText("StoredPolls", question, "poll");
    store.Flush();
    TSettingsStore reread(file);
    EXPECT_EQ(reread.ReadText("", "Version"), "4.9.1");
    EXPECT_EQ(reread.ReadText("", "VersionDate"), "Jul-16-2007");
    EXPECT_EQ(reread.ReadText("", "InstallPath"), "/usr/bin/orvane-live");
    EXPECT_EQ(reread.ReadText("StoredPolls", question), "poll");
    EXPECT_EQ(reread.Names("StoredPolls"), QStringList{question});
    EXPECT_EQ(reread.ReadInteger("", "Version"), -1) << "a text read as an integer fails to -1";
    EXPECT_FALSE(reread.ReadFlag("", "Absent"));
}

TEST(Scramble, RoundTripsAnyText) {
    const QString cases[] = {
        "", "a", "password", QString(300, 'x'), "\u4e2d\u6587 \U0001F600 caf\u00e9", QString(QChar(0))};
    for (const QString& plain : cases) {
        const QString stored = Scramble(plain);
        EXPECT_EQ(Unscramble(stored), plain);
        EXPECT_FALSE(stored.contains(QChar(0)));
        for (QChar c : stored)
            EXPECT_TRUE(c.isDigit() || (c >= 'a' && c <= 'f')) << "stored as hexadecimal text";
    }
    EXPECT_EQ(Scramble(""), "");
    EXPECT_NE(Scramble("secret"), QString("secret").toUtf8().toHex());
    EXPECT_EQ(Unscramble("zz"), "");
    EXPECT_EQ(Unscramble("abc"), "");
}

TEST(ColorText, NamesAndHexBothWays) {
    struct Case {
        TColor color;
        const char* text;
    } cases[] = {{0x000000, "clBlack"},
                 {0xFFFFFF, "clWhite"},
                 {0x0000FF, "clRed"},
                 {0xFF0000, "clBlue"},
                 {0x00123456, "$00123456"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ColorToText(c.color), c.text);
        EXPECT_EQ(TextToColor(c.text), c.color);
    }
    EXPECT_EQ(TextToColor("0x0000FF00"), TColor(0x00FF00));
    EXPECT_EQ(TextToColor("255"), TColor(0x0000FF));
    EXPECT_EQ(TextToColor("clblack"), TColor(0));
    EXPECT_FALSE(TextToColor("").has_value());
    EXPECT_FALSE(TextToColor("$zz").has_value());
    EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(FromQColor(QColor(0, 0, 255)), TColor(0xFF0000));
}

} // namespace
} // namespace orv
