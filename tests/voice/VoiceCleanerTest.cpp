// The cleaning of the captured signal, measured on the signal: the echo of speech played through a
// simulated room is cancelled, the participant's own voice is kept, and steady noise is suppressed.
#include "voice/VoiceCleaner.h"
#include "support/Prerequisites.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace orv;
using namespace orv::test;

namespace {

constexpr int kRate = 16000;

// A room: the direct path after 6 ms at 0.5, then forty reflections that die away over 90 ms.
struct Tap {
    std::size_t delay;
    double gain;
};
std::vector<Tap> RoomResponse() {
    std::vector<Tap> taps{{std::size_t(kRate * 6 / 1000), 0.5}};
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> delay(std::size_t(kRate * 8 / 1000),
                                                     std::size_t(kRate * 90 / 1000));
    std::normal_distribution<double> gain(0.0, 0.25);
    for (int i = 0; i < 40; ++i) {
        const std::size_t d = delay(random);
        taps.push_back({d, gain(random) * std::exp(-double(d) / (kRate * 0.03))});
    }
    return taps;
}

std::vector<std::int16_t> Convolve(const std::vector<std::int16_t>& x, const std::vector<Tap>& taps) {
    std::vector<std::int16_t> y(x.size());
    for (std::size_t n = 0; n < x.size(); ++n) {
        double sum = 0;
        for (const Tap& t : taps)
            if (t.delay <= n)
                sum += t.gain * x[n - t.delay];
        y[n] = std::int16_t(std::clamp(std::lround(sum), -32768L, 32767L));
    }
    return y;
}

// Runs the cleaner over `near` frame by frame; before each frame the loudspeakers play the same stretch of
// `far` (when given).
std::vector<std::int16_t> Clean(VoiceCleaning cleaning, const std::vector<std::int16_t>& near,
                                const std::vector<std::int16_t>* far) {
    FarEndSignal farEnd(kRate);
    VoiceCleaner cleaner(kRate, cleaning, &farEnd);
    const auto frame = std::size_t(cleaner.FrameSamples());
    std::vector<std::int16_t> out(near.size() / frame * frame);
    std::copy_n(near.begin(), out.size(), out.begin());
    for (std::size_t at = 0; at < out.size(); at += frame) {
        if (far)
            farEnd.Played(std::span(*far).subspan(at, frame));
        cleaner.Process(std::span(out).subspan(at, frame));
    }
    return out;
}

std::vector<std::int16_t> TwiceSpeech(ToolCheck& tools) {
    std::vector<std::int16_t> speech = Speech(kRate, tools);
    const std::vector<std::int16_t> once = speech;
    speech.insert(speech.end(), once.begin(), once.end());
    return speech;
}

} // namespace

TEST(VoiceCleaner, TheEchoOfTheLoudspeakersIsReducedBy20DecibelsOnceConverged) {
    ToolCheck tools;
    const std::vector<std::int16_t> far = TwiceSpeech(tools);
    ORV_ASSERT_TOOLS_RAN(tools);
    const std::vector<std::int16_t> microphone = Convolve(far, RoomResponse()); // the room, nobody talking
    const std::vector<std::int16_t> sent = Clean({true, false}, microphone, &far);
    // After the first pass of the sentences the canceller has learnt the room.
    const std::size_t from = far.size() / 2;
    const double reduction = Decibels(Power(microphone, from, sent.size()) / Power(sent, from, sent.size()));
    EXPECT_GE(reduction, 20);
}

TEST(VoiceCleaner, TheParticipantsOwnVoiceIsKeptWhileTheLoudspeakersAreSilent) {
    ToolCheck tools;
    const std::vector<std::int16_t> speech = Speech(kRate, tools);
    ORV_ASSERT_TOOLS_RAN(tools);
    const std::vector<std::int16_t> silence(speech.size(), 0);
    const std::vector<std::int16_t> sent = Clean({true, false}, speech, &silence);
    const std::size_t from = kRate;
    EXPECT_NEAR(Decibels(Power(sent, from, sent.size()) / Power(speech, from, sent.size())), 0, 3);
}

TEST(VoiceCleaner, SteadyNoiseIsSuppressedAndNothingChangesWithCleaningOff) {
    std::mt19937 random(11);
    std::normal_distribution<double> hiss(0.0, 1000.0);
    std::vector<std::int16_t> noise(std::size_t(kRate * 4));
    for (std::int16_t& s : noise)
        s = std::int16_t(std::lround(hiss(random)));
    const std::vector<std::int16_t> sent = Clean({false, true}, noise, nullptr);
    const std::size_t from = 2 * kRate;
    EXPECT_GE(Decibels(Power(noise, from, sent.size()) / Power(sent, from, sent.size())), 10);

    EXPECT_EQ(Clean({false, false}, noise, nullptr), noise);
}

TEST(VoiceCleaner, TheFarEndKeepsTheNewestSamplesAndPadsWithSilence) {
    FarEndSignal farEnd(4);
    const std::vector<std::int16_t> played{1, 2, 3, 4, 5, 6};
    farEnd.Played(played);
    std::vector<std::int16_t> frame(3, -1);
    farEnd.Take(frame);
    EXPECT_EQ(frame, (std::vector<std::int16_t>{3, 4, 5}));
    farEnd.Take(frame);
    EXPECT_EQ(frame, (std::vector<std::int16_t>{6, 0, 0}));
}
