#include "session/SettingsTable.h"

#include "protocol/Constants.h"
#include "session/Settings.h"

#include <algorithm>
#include <utility>

namespace orv {
namespace {

using S = TSettings;
using G = TSettingGroup;
using O = TSettingOwner;

TSettingRow MakeRow(G group, const char* key, TStoredForm form, TSettingField field, TSettingValue fallback,
                    O owner) {
    return {.group = group,
            .key = key,
            .form = form,
            .field = field,
            .defaultValue = std::move(fallback),
            .owner = owner,
            .accepted = {}};
}

// One maker per stored form, so a row's field, default and form always agree.
TSettingRow Integer(G group, const char* key, std::int32_t S::*field, std::int32_t fallback,
                    TIntRange accepted, O owner) {
    TSettingRow row = MakeRow(group, key, TStoredForm::Integer, field, fallback, owner);
    row.accepted = accepted;
    return row;
}

TSettingRow Flag(G group, const char* key, bool S::*field, bool fallback, O owner) {
    return MakeRow(group, key, TStoredForm::Flag, field, fallback, owner);
}

TSettingRow Text(G group, const char* key, QString S::*field, const char* fallback, O owner) {
    return MakeRow(group, key, TStoredForm::Text, field, QString::fromLatin1(fallback), owner);
}

TSettingRow Scrambled(G group, const char* key, QString S::*field, const char* fallback, O owner) {
    return MakeRow(group, key, TStoredForm::ScrambledText, field, QString::fromLatin1(fallback), owner);
}

TSettingRow Colour(G group, const char* key, TColor S::*field, TColor fallback, O owner) {
    return MakeRow(group, key, TStoredForm::ColorText, field, fallback, owner);
}

std::vector<TSettingRow> MakeRows() {
    // clang-format off
    return {
        Flag(G::Connection, "UseProxy", &S::UseProxy, false, O::Link),
        Integer(G::Connection, "SocksVersion", &S::SocksVersion, 0, Between(0, 3), O::Link)
            .offering(SocksVersionChoices()),
        Text(G::Connection, "ProxyHost", &S::ProxyHost, "", O::Link),
        Integer(G::Connection, "ProxyPort", &S::ProxyPort, 1080, Between(1, 65535), O::Link),
        Flag(G::Connection, "ProxyAuthentication", &S::ProxyAuthentication, false, O::Link),
        Text(G::Connection, "ProxyUserName", &S::ProxyUserName, "", O::Link),
        Scrambled(G::Connection, "ProxyPassword", &S::ProxyPassword, "", O::Link),
        // Stored by the Connection Speed menu; the session tells the user when the default is in use.
        Integer(G::Connection, "ConnectionSpeedBytesPerSec", &S::ConnectionSpeed, kDefaultConnectionSpeed, AtLeast(1), O::Link)
            .loadOnly().notingDefaultIn(&S::ConnectionSpeedIsDefault),
        // Set by administrators only; empty means the built-in support address.
        Text(G::Connection, "HelpURL", &S::HelpURL, "", O::App).loadOnly(),

        Integer(G::Appearance, "ColorTheme", &S::ColorTheme, 0, Between(0, 5), O::App),
        // The chat's menu stores these two the moment they change.
        Flag(G::Appearance, "ShowChatTiming", &S::ShowChatTiming, false, O::Chat).loadOnly(),
        Integer(G::Appearance, "ChatFontSize", &S::ChatFontSize, 8, AtLeast(7), O::Chat).loadOnly(),
        Flag(G::Appearance, "BeepOnUserConnect", &S::BeepOnUserConnect, false, O::Roster),
        Flag(G::Appearance, "BeepOnUserDisconnect", &S::BeepOnUserDisconnect, false, O::Roster),
        Flag(G::Appearance, "BeepOnNewMessage", &S::BeepOnNewMessage, false, O::Chat),
        Flag(G::Appearance, "BeepOnUserMotions", &S::BeepOnUserMotions, false, O::Roster),
        Flag(G::Appearance, "DonPopUpChatMessages", &S::DonPopUpChatMessages, false, O::Chat),
        Flag(G::Appearance, "NoPopUpsOnPostIt", &S::NoPopUpsOnPostIt, false, O::Chat),
        Flag(G::Appearance, "FlashOnActions", &S::FlashOnActions, false, O::App),
        Flag(G::Appearance, "DesktopNotifications", &S::DesktopNotifications, true, O::Chat),
        Flag(G::Appearance, "AutoReconnect", &S::AutoReconnect, true, O::Link),
        Text(G::Appearance, "InvitationURL", &S::InvitationURL, "", O::App),
        Text(G::Appearance, "Language", &S::Language, "", O::App),

        Flag(G::Audio, "MuteSpeakersWhileTalking", &S::MuteSpeakersWhileTalking, false, O::Voice),
        Integer(G::Audio, "InuptAudioQueueSizeEx", &S::InputAudioQueueSize, 2, Between(2, 20), O::Voice),
        Integer(G::Audio, "PushToTalkKey", &S::PushToTalkKey, 17, Between(0, 30), O::Voice)
            .offering(PushToTalkChoices()),
        Integer(G::Audio, "AudioOptimizeOption", &S::AudioOptimizeOption, 3, Between(1, 4), O::Voice),
        Integer(G::Audio, "AudioOutDeviceID", &S::AudioOutDeviceID, 0, AtLeast(0), O::Voice),
        Integer(G::Audio, "AudioInDeviceID", &S::AudioInDeviceID, 0, AtLeast(0), O::Voice),
        // Cleaning of the captured signal before it is compressed.
        Flag(G::Audio, "EchoCancellation", &S::EchoCancellation, true, O::Voice),
        Flag(G::Audio, "NoiseSuppression", &S::NoiseSuppression, true, O::Voice),

        Integer(G::Video, "DefaultVideoCaptureDriver", &S::DefaultVideoCaptureDriver, 0, Between(0, 9),
                O::Video),
        // "WMV3" read as a little-endian number.
        Integer(G::Video, "DefaultVideoCompressor", &S::DefaultVideoCompressor, 861293911, AtLeast(1),
                O::Video),
        Integer(G::Video, "VideoFrameRate", &S::VideoFrameRate, 3, AtLeast(1), O::Video)
            .offering(VideoFrameRateChoices()),
        Integer(G::Video, "VideoFormatSize", &S::VideoFormatSize, 0, AtLeast(0), O::Video)
            .offering(VideoFormatSizeChoices()),
        Integer(G::Video, "VideoKFR", &S::VideoKFR, 7, Between(1, 30), O::Video),
        Integer(G::Video, "VideoBPS", &S::VideoBPS, 7168, Between(0, 65536), O::Video),
        Integer(G::Video, "VideoBitCount", &S::VideoBitCount, 24, Between(1, 24), O::Video),

        // An unusable folder is replaced on load by the program's "Sessions" folder (LoadSettings).
        Text(G::Recording, "RecSessionsFolder", &S::RecSessionsFolder, "", O::Playback),
        Text(G::Recording, "RecorderUserName", &S::RecorderUserName, "", O::Playback),
        Scrambled(G::Recording, "RecorderPassword", &S::RecorderPassword, "", O::Playback),
        // Written for the recorder; never read, so the session always records on the server.
        Flag(G::Recording, "RecordOnServer", &S::RecordOnServer, true, O::Playback).saveOnly(),

        Text(G::Board, "TextBoxFont", &S::TextBoxFont, "Arial", O::Board),
        Colour(G::Board, "TextBoxFontColor", &S::TextBoxFontColor, kBlack, O::Board),
        Integer(G::Board, "TextBoxFontSize", &S::TextBoxFontSize, 12, AtLeast(1), O::Board),
        Integer(G::Board, "BoardGridSize", &S::BoardGridSize, 25, AtLeast(1), O::Board),
        Integer(G::Board, "DefPenWidth", &S::DefPenWidth, 3, AtLeast(1), O::Board),
        Colour(G::Board, "DefPenColor", &S::DefPenColor, kBlack, O::Board),
        Integer(G::Sharing, "AppShare_RefreshRate", &S::AppShareRefreshRate, 1750, AtLeast(1), O::AppShare),
        Integer(G::Sharing, "AppShare_CursorRefreshRate", &S::AppShareCursorRefreshRate, 350, AtLeast(1),
                O::AppShare),
        Integer(G::Sharing, "AppShare_PixelFormat", &S::AppSharePixelFormat, 3, AtLeast(1), O::AppShare)
            .offering(PixelFormatChoices()),
        // The uplink budget the writer starts with; nothing stores it.
        Integer(G::Sharing, "AppShare_OverFlowSize", &S::AppShareOverflowSize, 131072, AtLeast(1),
                O::Link).loadOnly(),
    };
    // clang-format on
}

} // namespace

TSettingRow TSettingRow::offering(const std::vector<TChoice>& list) const {
    TSettingRow row = *this;
    row.choices = &list;
    return row;
}

TSettingRow TSettingRow::loadOnly() const {
    TSettingRow row = *this;
    row.transfer = TSettingTransfer::LoadOnly;
    return row;
}

TSettingRow TSettingRow::saveOnly() const {
    TSettingRow row = *this;
    row.transfer = TSettingTransfer::SaveOnly;
    return row;
}

TSettingRow TSettingRow::notingDefaultIn(bool TSettings::*flag) const {
    TSettingRow row = *this;
    row.defaultInUse = flag;
    return row;
}

const std::vector<TSettingRow>& SettingRows() {
    static const std::vector<TSettingRow> rows = MakeRows();
    return rows;
}

const TSettingRow& SettingRow(std::string_view key) {
    const auto& rows = SettingRows();
    const auto it =
        std::find_if(rows.begin(), rows.end(), [key](const TSettingRow& r) { return r.key == key; });
    if (it == rows.end())
        throw std::out_of_range("no setting " + std::string(key));
    return *it;
}

std::vector<const TSettingRow*> SettingRowsOwnedBy(TSettingOwner owner) {
    std::vector<const TSettingRow*> owned;
    for (const TSettingRow& row : SettingRows())
        if (row.owner == owner)
            owned.push_back(&row);
    return owned;
}

} // namespace orv
