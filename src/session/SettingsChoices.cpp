#include "session/SettingsChoices.h"

#include <algorithm>

namespace orv {

const std::vector<TChoice>& PushToTalkChoices() {
    static const std::vector<TChoice> choices = {{"<Disabled>", 0}, {"Ctrl", 17}, {"Shift", 16}, {"Esc", 27}};
    return choices;
}

const std::vector<TChoice>& SocksVersionChoices() {
    static const std::vector<TChoice> choices = {
        {"No Socks", 0}, {"Socks 4", 1}, {"Socks 4A", 2}, {"Socks 5", 3}};
    return choices;
}

const std::vector<TChoice>& PixelFormatChoices() {
    static const std::vector<TChoice> choices = {{"4 bit - 16 Colors (Low quality)", 2},
                                                 {"8 bit - 256 Colors (Medium quality)", 3},
                                                 {"16 bit - 65535 Colors (High quality)", 5},
                                                 {"32 bit - Highest Quality", 7}};
    return choices;
}

const std::vector<TChoice>& VideoFrameRateChoices() {
    static const std::vector<TChoice> choices = {{"Slow", 1},
                                                 {"Average", 3},
                                                 {"Fast (Requires a Fast Connection)", 5},
                                                 {"10 frames per second", 10},
                                                 {"15 frames per second", 15},
                                                 {"30 frames per second", 30}};
    return choices;
}

const std::vector<TChoice>& VideoFormatSizeChoices() {
    static const std::vector<TChoice> choices = {
        {"160x120", 0}, {"176x144", 1}, {"320x240", 2}, {"352x288", 3}};
    return choices;
}

int ChoiceIndex(const std::vector<TChoice>& choices, int value) {
    const auto it =
        std::find_if(choices.begin(), choices.end(), [value](const TChoice& c) { return c.value == value; });
    return it == choices.end() ? -1 : int(it - choices.begin());
}

QString AudioBufferHint(int position) {
    return "Max " + QString::number(position / 2.0) + " s.";
}

int SnapRefreshRate(int ms) {
    const int clamped = std::clamp(ms, kRefreshRateMin, kRefreshRateMax);
    return (clamped + kRefreshRateStep / 2) / kRefreshRateStep * kRefreshRateStep;
}

QString RefreshRateLabel(int ms) {
    return QString::number(ms) + " msecs";
}

} // namespace orv
