#pragma once
// The user's settings as the session keeps them, with their defaults and checks, loaded from and saved to
// the settings store.

#include "session/ColorText.h"

#include <QString>

#include <cstdint>

namespace orv {

class TSettingsStore;

// The identity the program reports to the server and writes at start-up.
inline constexpr const char* kClientVersion = "4.9.1";
inline constexpr const char* kClientBuildDate = "Jul-16-2007";

struct TSettings {
    // Connection
    bool UseProxy = false;
    std::int32_t SocksVersion = 0; // 0 none, 1 SOCKS 4, 2 SOCKS 4A, 3 SOCKS 5
    QString ProxyHost;
    std::int32_t ProxyPort = 1080;
    bool ProxyAuthentication = false;
    QString ProxyUserName;
    QString ProxyPassword;
    std::int32_t ConnectionSpeed = 65536;
    bool ConnectionSpeedIsDefault = false; // the stored speed was missing or not positive
    QString HelpURL;

    // Appearance, chat and notifications
    std::int32_t ColorTheme = 0;
    bool ShowChatTiming = false;
    std::int32_t ChatFontSize = 8;
    bool BeepOnUserConnect = false;
    bool BeepOnUserDisconnect = false;
    bool BeepOnNewMessage = false;
    bool BeepOnUserMotions = false;
    bool DonPopUpChatMessages = false;
    bool NoPopUpsOnPostIt = false;
    bool FlashOnActions = false;
    QString InvitationURL;

    // Audio
    bool MuteSpeakersWhileTalking = false;
    std::int32_t InputAudioQueueSize = 2;
    std::int32_t PushToTalkKey = 17;
    std::int32_t AudioOptimizeOption = 3;
    std::int32_t AudioOutDeviceID = 0;
    std::int32_t AudioInDeviceID = 0;

    // Video
    std::int32_t DefaultVideoCaptureDriver = 0;
    std::int32_t DefaultVideoCompressor = 861293911; // "WMV3" as a little-endian number
    std::int32_t VideoFrameRate = 3;
    std::int32_t VideoFormatSize = 0;
    std::int32_t VideoKFR = 7;
    std::int32_t VideoBPS = 7168;
    std::int32_t VideoBitCount = 24;

    // Recording
    QString RecSessionsFolder;
    QString RecorderUserName;
    QString RecorderPassword;
    bool RecordOnServer = true;

    // Board and application sharing
    QString TextBoxFont = "Arial";
    TColor TextBoxFontColor = kBlack;
    std::int32_t TextBoxFontSize = 12;
    std::int32_t BoardGridSize = 25;
    std::int32_t DefPenWidth = 3;
    TColor DefPenColor = kBlack;
    std::int32_t AppShareRefreshRate = 1750;
    std::int32_t AppShareCursorRefreshRate = 350;
    std::int32_t AppSharePixelFormat = 3;
    std::int32_t AppShareOverflowSize = 131072;

    friend bool operator==(const TSettings&, const TSettings&) = default;
};

// Reads every value with its default and check, in table order. `programFolder` is where the default
// recordings folder ("Sessions") is created when the stored one is unusable; that folder is written back.
TSettings LoadSettings(TSettingsStore& store, const QString& programFolder);
// Writes every value that the settings window saves.
void SaveSettings(TSettingsStore& store, const TSettings& settings);
// The identity values written at every start-up.
void WriteIdentitySettings(TSettingsStore& store, const QString& programFile);

} // namespace orv
