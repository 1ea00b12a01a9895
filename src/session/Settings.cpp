#include "session/Settings.h"

#include "platform/Scramble.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace orv {
namespace {

const QString kKey; // the program's own key

bool within(std::int32_t v, std::int32_t low, std::int32_t high) {
    return v >= low && v <= high;
}

// The integer, or `fallback` when `valid` refuses it.
template <typename Valid>
std::int32_t readChecked(const TSettingsStore& store, const char* name, std::int32_t fallback, Valid valid) {
    const std::int32_t v = store.ReadInteger(kKey, name);
    return valid(v) ? v : fallback;
}

std::int32_t positiveOr(const TSettingsStore& store, const char* name, std::int32_t fallback) {
    return readChecked(store, name, fallback, [](std::int32_t v) { return v > 0; });
}

std::int32_t rangeOr(const TSettingsStore& store, const char* name, std::int32_t low, std::int32_t high,
                     std::int32_t fallback) {
    return readChecked(store, name, fallback, [=](std::int32_t v) { return within(v, low, high); });
}

TColor colorOr(const TSettingsStore& store, const char* name, TColor fallback) {
    return TextToColor(store.ReadText(kKey, name)).value_or(fallback);
}

} // namespace

TSettings LoadSettings(TSettingsStore& store, const QString& programFolder) {
    TSettings s;
    const auto flag = [&](const char* name) { return store.ReadFlag(kKey, name); };
    const auto text = [&](const char* name) { return store.ReadText(kKey, name); };

    s.UseProxy = flag("UseProxy");
    s.SocksVersion = rangeOr(store, "SocksVersion", 0, 3, 0);
    s.ProxyHost = text("ProxyHost");
    s.ProxyPort = rangeOr(store, "ProxyPort", 1, 65535, 1080);
    s.ProxyAuthentication = flag("ProxyAuthentication");
    s.ProxyUserName = text("ProxyUserName");
    s.ProxyPassword = Unscramble(text("ProxyPassword"));
    s.ConnectionSpeed = positiveOr(store, "ConnectionSpeedBytesPerSec", 0);
    s.ConnectionSpeedIsDefault = s.ConnectionSpeed == 0;
    if (s.ConnectionSpeedIsDefault)
        s.ConnectionSpeed = 65536;
    s.HelpURL = text("HelpURL");

    s.ColorTheme = rangeOr(store, "ColorTheme", 0, 5, 0);
    s.ShowChatTiming = flag("ShowChatTiming");
    s.ChatFontSize = readChecked(store, "ChatFontSize", 8, [](std::int32_t v) { return v >= 7; });
    s.BeepOnUserConnect = flag("BeepOnUserConnect");
    s.BeepOnUserDisconnect = flag("BeepOnUserDisconnect");
    s.BeepOnNewMessage = flag("BeepOnNewMessage");
    s.BeepOnUserMotions = flag("BeepOnUserMotions");
    s.DonPopUpChatMessages = flag("DonPopUpChatMessages");
    s.NoPopUpsOnPostIt = flag("NoPopUpsOnPostIt");
    s.FlashOnActions = flag("FlashOnActions");
    s.InvitationURL = text("InvitationURL");

    s.MuteSpeakersWhileTalking = flag("MuteSpeakersWhileTalking");
    s.InputAudioQueueSize = rangeOr(store, "InuptAudioQueueSizeEx", 2, 20, 2);
    s.PushToTalkKey = rangeOr(store, "PushToTalkKey", 0, 30, 17);
    s.AudioOptimizeOption = rangeOr(store, "AudioOptimizeOption", 1, 4, 3);
    s.AudioOutDeviceID = readChecked(store, "AudioOutDeviceID", 0, [](std::int32_t v) { return v >= 0; });
    s.AudioInDeviceID = readChecked(store, "AudioInDeviceID", 0, [](std::int32_t v) { return v >= 0; });

    s.DefaultVideoCaptureDriver = rangeOr(store, "DefaultVideoCaptureDriver", 0, 9, 0);
    s.DefaultVideoCompressor = positiveOr(store, "DefaultVideoCompressor", 861293911);
    s.VideoFrameRate = positiveOr(store, "VideoFrameRate", 3);
    s.VideoFormatSize = readChecked(store, "VideoFormatSize", 0, [](std::int32_t v) { return v >= 0; });
    s.VideoKFR = rangeOr(store, "VideoKFR", 1, 30, 7);
    s.VideoBPS = rangeOr(store, "VideoBPS", 0, 65536, 7168);
    s.VideoBitCount = rangeOr(store, "VideoBitCount", 1, 24, 24);

    s.RecSessionsFolder = text("RecSessionsFolder");
    if (s.RecSessionsFolder.isEmpty() || !QFileInfo(s.RecSessionsFolder).isDir()) {
        s.RecSessionsFolder = QDir(programFolder).filePath("Sessions");
        store.WriteText(kKey, "RecSessionsFolder", s.RecSessionsFolder);
        QDir().mkpath(s.RecSessionsFolder);
    }
    s.RecorderUserName = text("RecorderUserName");
    s.RecorderPassword = Unscramble(text("RecorderPassword"));
    s.RecordOnServer = true;

    s.TextBoxFont = text("TextBoxFont");
    if (s.TextBoxFont.isEmpty())
        s.TextBoxFont = "Arial";
    s.TextBoxFontColor = colorOr(store, "TextBoxFontColor", kBlack);
    s.TextBoxFontSize = positiveOr(store, "TextBoxFontSize", 12);
    s.BoardGridSize = positiveOr(store, "BoardGridSize", 25);
    s.DefPenWidth = positiveOr(store, "DefPenWidth", 3);
    s.DefPenColor = colorOr(store, "DefPenColor", kBlack);
    s.AppShareRefreshRate = positiveOr(store, "AppShare_RefreshRate", 1750);
    s.AppShareCursorRefreshRate = positiveOr(store, "AppShare_CursorRefreshRate", 350);
    s.AppSharePixelFormat = positiveOr(store, "AppShare_PixelFormat", 3);
    s.AppShareOverflowSize = positiveOr(store, "AppShare_OverFlowSize", 131072);
    return s;
}

void SaveSettings(TSettingsStore& store, const TSettings& s) {
    const auto integer = [&](const char* name, std::int64_t v) { store.WriteInteger(kKey, name, v); };
    const auto flag = [&](const char* name, bool v) { store.WriteFlag(kKey, name, v); };
    const auto text = [&](const char* name, const QString& v) { store.WriteText(kKey, name, v); };

    flag("UseProxy", s.UseProxy);
    integer("SocksVersion", s.SocksVersion);
    text("ProxyHost", s.ProxyHost);
    integer("ProxyPort", s.ProxyPort);
    flag("ProxyAuthentication", s.ProxyAuthentication);
    text("ProxyUserName", s.ProxyUserName);
    text("ProxyPassword", Scramble(s.ProxyPassword));

    integer("ColorTheme", s.ColorTheme);
    flag("BeepOnUserConnect", s.BeepOnUserConnect);
    flag("BeepOnUserDisconnect", s.BeepOnUserDisconnect);
    flag("BeepOnNewMessage", s.BeepOnNewMessage);
    flag("BeepOnUserMotions", s.BeepOnUserMotions);
    flag("DonPopUpChatMessages", s.DonPopUpChatMessages);
    flag("NoPopUpsOnPostIt", s.NoPopUpsOnPostIt);
    flag("FlashOnActions", s.FlashOnActions);
    text("InvitationURL", s.InvitationURL);

    flag("MuteSpeakersWhileTalking", s.MuteSpeakersWhileTalking);
    integer("InuptAudioQueueSizeEx", s.InputAudioQueueSize);
    integer("PushToTalkKey", s.PushToTalkKey);
    integer("AudioOptimizeOption", s.AudioOptimizeOption);
    integer("AudioOutDeviceID", s.AudioOutDeviceID);
    integer("AudioInDeviceID", s.AudioInDeviceID);

    integer("DefaultVideoCaptureDriver", s.DefaultVideoCaptureDriver);
    integer("DefaultVideoCompressor", s.DefaultVideoCompressor);
    integer("VideoFrameRate", s.VideoFrameRate);
    integer("VideoFormatSize", s.VideoFormatSize);
    integer("VideoKFR", s.VideoKFR);
    integer("VideoBPS", s.VideoBPS);
    integer("VideoBitCount", s.VideoBitCount);

    text("RecSessionsFolder", s.RecSessionsFolder);
    text("RecorderUserName", s.RecorderUserName);
    text("RecorderPassword", Scramble(s.RecorderPassword));
    flag("RecordOnServer", s.RecordOnServer);

    text("TextBoxFont", s.TextBoxFont);
    text("TextBoxFontColor", ColorToText(s.TextBoxFontColor));
    integer("TextBoxFontSize", s.TextBoxFontSize);
    integer("BoardGridSize", s.BoardGridSize);
    integer("DefPenWidth", s.DefPenWidth);
    text("DefPenColor", ColorToText(s.DefPenColor));
    integer("AppShare_RefreshRate", s.AppShareRefreshRate);
    integer("AppShare_CursorRefreshRate", s.AppShareCursorRefreshRate);
    integer("AppShare_PixelFormat", s.AppSharePixelFormat);
    store.Flush();
}

void WriteIdentitySettings(TSettingsStore& store, const QString& programFile) {
    store.WriteText(kKey, "Version", kClientVersion);
    store.WriteText(kKey, "VersionDate", kClientBuildDate);
    store.WriteText(kKey, "InstallPath", programFile);
    store.Flush();
}

} // namespace orv
