#include "session/SettingsChoices.h"

#include <QCoreApplication>

#include <algorithm>

namespace orv {
namespace {

// The translation context of every text in this file.
constexpr const char* kContext = "SettingsChoices";

QString translated(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

} // namespace

QString ChoiceText(const TChoice& choice) {
    return translated(choice.text);
}

const std::vector<TChoice>& PushToTalkChoices() {
    static const std::vector<TChoice> choices = {{QT_TRANSLATE_NOOP("SettingsChoices", "<Disabled>"), 0},
                                                 {QT_TRANSLATE_NOOP("SettingsChoices", "Ctrl"), 17},
                                                 {QT_TRANSLATE_NOOP("SettingsChoices", "Shift"), 16},
                                                 {QT_TRANSLATE_NOOP("SettingsChoices", "Esc"), 27}};
    return choices;
}

const std::vector<TChoice>& SocksVersionChoices() {
    static const std::vector<TChoice> choices = {{QT_TRANSLATE_NOOP("SettingsChoices", "No Socks"), 0},
                                                 {QT_TRANSLATE_NOOP("SettingsChoices", "Socks 4"), 1},
                                                 {QT_TRANSLATE_NOOP("SettingsChoices", "Socks 4A"), 2},
                                                 {QT_TRANSLATE_NOOP("SettingsChoices", "Socks 5"), 3}};
    return choices;
}

const std::vector<TChoice>& PixelFormatChoices() {
    static const std::vector<TChoice> choices = {
        {QT_TRANSLATE_NOOP("SettingsChoices", "4 bit - 16 Colors (Low quality)"), 2},
        {QT_TRANSLATE_NOOP("SettingsChoices", "8 bit - 256 Colors (Medium quality)"), 3},
        {QT_TRANSLATE_NOOP("SettingsChoices", "16 bit - 65535 Colors (High quality)"), 5},
        {QT_TRANSLATE_NOOP("SettingsChoices", "32 bit - Highest Quality"), 7}};
    return choices;
}

const std::vector<TChoice>& VideoFrameRateChoices() {
    static const std::vector<TChoice> choices = {
        {QT_TRANSLATE_NOOP("SettingsChoices", "Slow"), 1},
        {QT_TRANSLATE_NOOP("SettingsChoices", "Average"), 3},
        {QT_TRANSLATE_NOOP("SettingsChoices", "Fast (Requires a Fast Connection)"), 5},
        {QT_TRANSLATE_NOOP("SettingsChoices", "10 frames per second"), 10},
        {QT_TRANSLATE_NOOP("SettingsChoices", "15 frames per second"), 15},
        {QT_TRANSLATE_NOOP("SettingsChoices", "30 frames per second"), 30}};
    return choices;
}

const std::vector<TChoice>& VideoFormatSizeChoices() {
    static const std::vector<TChoice> choices = {{QT_TRANSLATE_NOOP("SettingsChoices", "160x120"), 0},
                                                 {QT_TRANSLATE_NOOP("SettingsChoices", "176x144"), 1},
                                                 {QT_TRANSLATE_NOOP("SettingsChoices", "320x240"), 2},
                                                 {QT_TRANSLATE_NOOP("SettingsChoices", "352x288"), 3}};
    return choices;
}

int ChoiceIndex(const std::vector<TChoice>& choices, int value) {
    const auto it =
        std::find_if(choices.begin(), choices.end(), [value](const TChoice& c) { return c.value == value; });
    return it == choices.end() ? -1 : int(it - choices.begin());
}

QString AudioBufferHint(int position) {
    return translated(QT_TRANSLATE_NOOP("SettingsChoices", "Max %1 s.")).arg(position / 2.0);
}

int SnapRefreshRate(int ms) {
    const int clamped = std::clamp(ms, kRefreshRateMin, kRefreshRateMax);
    return (clamped + kRefreshRateStep / 2) / kRefreshRateStep * kRefreshRateStep;
}

QString RefreshRateLabel(int ms) {
    return translated(QT_TRANSLATE_NOOP("SettingsChoices", "%1 msecs")).arg(ms);
}

} // namespace orv
