#pragma once
// What the settings window offers and the values its choices stand for.

#include <QString>

#include <vector>

namespace orv {

struct TChoice {
    const char* text; // the English text; ChoiceText gives it in the user's language
    int value;
};

QString ChoiceText(const TChoice& choice);

const std::vector<TChoice>& PushToTalkChoices();
const std::vector<TChoice>& SocksVersionChoices();
const std::vector<TChoice>& PixelFormatChoices();
const std::vector<TChoice>& VideoFrameRateChoices();
const std::vector<TChoice>& VideoFormatSizeChoices();

// The position of the choice holding `value`, or -1.
int ChoiceIndex(const std::vector<TChoice>& choices, int value);

constexpr int kAudioBufferMin = 2, kAudioBufferMax = 15;
// "Max " followed by half the slider position and " s.".
QString AudioBufferHint(int position);

constexpr int kRefreshRateMin = 500, kRefreshRateMax = 3000, kRefreshRateStep = 250;
// The nearest multiple of the step within the slider's range.
int SnapRefreshRate(int ms);
QString RefreshRateLabel(int ms);

constexpr int kGridSizeMin = 5, kGridSizeMax = 50;
constexpr int kPenWidthMin = 1, kPenWidthMax = 50;
constexpr int kTextBoxFontSizeMin = 6, kTextBoxFontSizeMax = 100;

} // namespace orv
