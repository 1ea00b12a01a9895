// The microphone level meter: its decibel scale, its stretches cut by sample count, and the capture
// component reporting the level of what the microphone hears.
#include "voice/MicrophoneLevel.h"
#include "support/FakeAudio.h"
#include "support/FakeClock.h"
#include "voice/ACMIn.h"
#include "voice/CodecCatalogue.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orv {
namespace {

std::vector<std::int16_t> Sine(double peak, int samples, int rate = 8000) {
    std::vector<std::int16_t> s(static_cast<std::size_t>(samples));
    for (int i = 0; i < samples; ++i)
        s[std::size_t(i)] = std::int16_t(std::lround(peak * std::sin(2 * std::numbers::pi * 440 * i / rate)));
    return s;
}

TEST(MicrophoneLevel, PeaksReadOnADecibelScaleFromSixtyBelowFullScale) {
    struct Case {
        double peak;
        int level;
    };
    const Case cases[] = {
        {0, 0},       // silence
        {1, 0},       // -90 dB: below the floor
        {32.8, 0},    // -60 dB: the floor itself
        {327.7, 33},  // -40 dB
        {3276.8, 67}, // -20 dB: ordinary speech
        {16384, 90},  // -6 dB
        {32767, 100}, // full scale
    };
    for (const Case& c : cases)
        EXPECT_EQ(MicrophoneLevel(Sine(c.peak, 400)), c.level) << c.peak;
    const std::vector<std::int16_t> negative = {0, -32768, 0};
    EXPECT_EQ(MicrophoneLevel(negative), 100) << "the most negative sample is full scale too";
}

TEST(MicrophoneLevel, TheTrackerReportsEachWholeStretchOnceHoweverTheSamplesArrive) {
    // 8000 samples a second: a stretch is 400 samples. A loud stretch, then a quiet one, then half of one.
    std::vector<std::int16_t> signal = Sine(16384, 400);
    const std::vector<std::int16_t> quiet = Sine(327.7, 600);
    signal.insert(signal.end(), quiet.begin(), quiet.end());
    for (const std::size_t piece : {std::size_t(1), std::size_t(80), std::size_t(333), signal.size()}) {
        TLevelTracker tracker(8000);
        std::vector<int> reports;
        for (std::size_t at = 0; at < signal.size(); at += piece)
            tracker.Feed(std::span(signal).subspan(at, std::min(piece, signal.size() - at)),
                         [&](int level) { reports.push_back(level); });
        EXPECT_EQ(reports, (std::vector<int>{90, 33})) << "pieces of " << piece;
    }
}

TEST(MicrophoneLevel, CaptureReportsTheLevelOfWhatTheMicrophoneHears) {
    test::FakeClock clock;
    test::FakeAudioSystem audio{clock};
    TACMIn capture{audio};
    capture.SetCleaning({false, false}, nullptr);
    audio.signal = Sine(3276.8, 8000); // one second at -20 dB, then silence
    std::vector<int> levels;
    capture.OnLevel = [&](int level) { levels.push_back(level); };
    capture.SetBufferSize(812);
    capture.Open(*MakeCodecFormat(0), {});
    audio.Run(clock, 2000, 10);
    capture.Close();
    QCoreApplication::processEvents();
    ASSERT_EQ(levels.size(), 40u) << "one reading every 50 ms";
    EXPECT_EQ(levels.front(), 67);
    EXPECT_EQ(levels[19], 67);
    EXPECT_EQ(levels.back(), 0);
}

} // namespace
} // namespace orv
