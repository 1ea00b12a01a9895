#pragma once
// The user's settings as the session keeps them, loaded from and saved to the settings store. Each field's
// stored name, default and check are its row in the settings table (session/SettingsTable.h).

#include "protocol/Constants.h"
#include "session/ColorText.h"

#include <QString>

#include <cstdint>

namespace orv {

class TSettingsStore;

struct TSettings {
    // Fills every field with its row's default from the settings table.
    TSettings();

    // Connection
    bool UseProxy{};
    std::int32_t SocksVersion{}; // 0 none, 1 SOCKS 4, 2 SOCKS 4A, 3 SOCKS 5
    QString ProxyHost;
    std::int32_t ProxyPort{};
    bool ProxyAuthentication{};
    QString ProxyUserName;
    QString ProxyPassword;
    std::int32_t ConnectionSpeed{};
    bool ConnectionSpeedIsDefault = false; // the stored speed was missing or not positive
    QString HelpURL;

    // Appearance, chat and notifications
    std::int32_t ColorTheme{};
    bool ShowChatTiming{};
    std::int32_t ChatFontSize{};
    bool BeepOnUserConnect{};
    bool BeepOnUserDisconnect{};
    bool BeepOnNewMessage{};
    bool BeepOnUserMotions{};
    bool DonPopUpChatMessages{};
    bool NoPopUpsOnPostIt{};
    bool FlashOnActions{};
    bool DesktopNotifications{}; // private messages, mentions and a lost connection, while the window is
                                 // inactive
    bool AutoReconnect{};        // after a lost connection, with growing pauses
    QString InvitationURL;
    QString Language; // the program's language from its next start: "" for the desktop's, or "en", "pt", "es"

    // Audio
    bool MuteSpeakersWhileTalking{};
    std::int32_t InputAudioQueueSize{};
    std::int32_t PushToTalkKey{};
    std::int32_t AudioOptimizeOption{};
    std::int32_t AudioOutDeviceID{};
    std::int32_t AudioInDeviceID{};
    bool EchoCancellation{};
    bool NoiseSuppression{};

    // Video
    std::int32_t DefaultVideoCaptureDriver{};
    std::int32_t DefaultVideoCompressor{}; // a four-character code as a little-endian number
    std::int32_t VideoFrameRate{};
    std::int32_t VideoFormatSize{};
    std::int32_t VideoKFR{};
    std::int32_t VideoBPS{};
    std::int32_t VideoBitCount{};

    // Recording
    QString RecSessionsFolder;
    QString RecorderUserName;
    QString RecorderPassword;
    bool RecordOnServer{};

    // Board and application sharing
    QString TextBoxFont;
    TColor TextBoxFontColor{};
    std::int32_t TextBoxFontSize{};
    std::int32_t BoardGridSize{};
    std::int32_t DefPenWidth{};
    TColor DefPenColor{};
    std::int32_t AppShareRefreshRate{};
    std::int32_t AppShareCursorRefreshRate{};
    std::int32_t AppSharePixelFormat{};
    std::int32_t AppShareOverflowSize{};

    friend bool operator==(const TSettings&, const TSettings&) = default;
};

// Reads every row that is loaded, with its default and check, in table order. `programFolder` is where the
// default recordings folder ("Sessions") is created when the stored one is unusable; that folder is written
// back.
TSettings LoadSettings(TSettingsStore& store, const QString& programFolder);
// Writes every row that is saved, in table order.
void SaveSettings(TSettingsStore& store, const TSettings& settings);
// The identity values written at every start-up.
void WriteIdentitySettings(TSettingsStore& store, const QString& programFile);

} // namespace orv
