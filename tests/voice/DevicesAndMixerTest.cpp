// The device lists, the mixer operations and beeps, on a fake sound system and a fake mixer; and the real
// mixer where no sound server runs.
#include "platform/PulseVolumes.h"
#include "platform/SystemMixer.h"
#include "platform/TonePlayer.h"
#include "support/FakeAudio.h"
#include "support/FakeClock.h"
#include "support/FakeMixer.h"
#include "support/QtPrinters.h"
#include "voice/AudioDeviceList.h"
#include "voice/MixerOperations.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

using namespace orv;
using namespace orv::test;

TEST(AudioDevices, EachLineKeepsItsDeviceWhenAnotherIsLeftOut) {
    FakeClock clock;
    FakeAudioSystem audio(clock);
    audio.inputs = {
        {"mic-a", "Microphone A", true}, {"mic-b", "Microphone B", false}, {"mic-c", "Microphone C", true}};
    audio.outputs = {{"out-a", "Speakers", true}};

    const AudioDeviceList inputs = ListInputDevices(audio);
    EXPECT_EQ(inputs.lines, (QStringList{"Default Recording Device", "Microphone A", "Microphone C"}));
    EXPECT_EQ(inputs.DeviceAt(0), "");
    EXPECT_EQ(inputs.DeviceAt(1), "mic-a");
    EXPECT_EQ(inputs.DeviceAt(2), "mic-c") << "the line after a left-out device opens the device it shows";
    EXPECT_EQ(inputs.DeviceAt(3), "") << "a line that is gone is the default device";
    EXPECT_EQ(inputs.DeviceAt(-1), "");

    EXPECT_EQ(ListOutputDevices(audio).lines, (QStringList{"Default Playback Device", "Speakers"}));
    audio.outputs.clear();
    EXPECT_EQ(ListOutputDevices(audio).lines, QStringList{"Default Playback Device"});
}

TEST(MixerOperations, AMixerThatCannotBeReachedReportsFailureAndReadsNothing) {
    FakeMixer mixer;
    mixer.volumes = {{{TAudioDirection::Output, ""}, 1000}, {{TAudioDirection::Input, ""}, 2000}};
    mixer.controls = std::vector<TMixerControl>{{"Mic Boost", 0, true, 0, 1, {1}}};
    mixer.reachable = false;

    std::uint16_t level = 77;
    std::int32_t boost = 77;
    EXPECT_FALSE(GetSpeakerVolume(mixer, "", level));
    EXPECT_FALSE(GetMicrophoneVolume(mixer, "", level));
    EXPECT_FALSE(GetMicrophoneBoost(mixer, "", boost));
    EXPECT_EQ(level, 77);
    EXPECT_EQ(boost, 77);
    EXPECT_FALSE(SetSpeakerVolume(mixer, "", 5));
    EXPECT_FALSE(SetMicrophoneVolume(mixer, "", 5));
    EXPECT_FALSE(SetMicrophoneBoost(mixer, "", 0));

    mixer.reachable = true;
    EXPECT_TRUE(SetSpeakerVolume(mixer, "", 65535));
    EXPECT_TRUE(GetSpeakerVolume(mixer, "", level));
    EXPECT_EQ(level, 65535);
    EXPECT_TRUE(SetMicrophoneVolume(mixer, "", 6553));
    EXPECT_TRUE(GetMicrophoneVolume(mixer, "", level));
    EXPECT_EQ(level, 6553);
    EXPECT_FALSE(GetSpeakerVolume(mixer, "unplugged", level)) << "a device the mixer does not have";
}

TEST(MixerOperations, TheBoostIsTheFirstControlNamedBoostAndCoversEveryChannel) {
    struct Case {
        const char* what;
        std::vector<TMixerControl> controls;
        std::int32_t set;
        bool found;
        std::vector<long> written; // the first boost control's channels after the write
    } cases[] = {
        {"no boost control", {{"Capture", 0, false, 0, 63, {40, 40}}}, 1, false, {}},
        {"a switch, turned on",
         {{"Capture", 0, false, 0, 63, {40}}, {"Mic Boost (+20dB)", 0, true, 0, 1, {0, 0}}},
         1,
         true,
         {1, 1}},
        {"two named boost in any case: the first in order",
         {{"Front Mic BOOST", 0, false, 0, 3, {0, 0}}, {"Rear Mic Boost", 0, false, 0, 3, {0, 0}}},
         1,
         true,
         {1, 1}},
        {"a range: on raises what is off and keeps what is boosted",
         {{"Mic Boost", 0, false, 0, 3, {2, 0}}},
         1,
         true,
         {2, 1}},
        {"a range, turned off", {{"Mic Boost", 0, false, 0, 3, {2, 3}}}, 0, true, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeMixer mixer;
        mixer.controls = c.controls;
        std::int32_t value = -1;
        ASSERT_EQ(GetMicrophoneBoost(mixer, "", value), c.found);
        ASSERT_EQ(SetMicrophoneBoost(mixer, "", c.set), c.found);
        if (!c.found) {
            EXPECT_TRUE(mixer.written.empty());
            continue;
        }
        ASSERT_EQ(mixer.written.size(), 1u);
        const auto first = std::find_if(c.controls.begin(), c.controls.end(), [](const TMixerControl& m) {
            return m.name.toLower().contains("boost");
        });
        EXPECT_EQ(mixer.written[0].name, first->name);
        EXPECT_EQ(mixer.written[0].channels, c.written);
        ASSERT_TRUE(GetMicrophoneBoost(mixer, "", value));
        EXPECT_EQ(value, c.set);
    }
}

TEST(MixerOperations, LevelsMapOntoPulseVolumesAndBackExactly) {
    EXPECT_EQ(PulseVolumes::ToPulse(0), 0u);
    EXPECT_EQ(PulseVolumes::ToPulse(65535), 0x10000u);
    EXPECT_EQ(PulseVolumes::FromPulse(0x10000), 65535);
    EXPECT_EQ(PulseVolumes::FromPulse(0x18000), 65535) << "louder than full reads full";
    for (std::uint32_t level = 0; level <= 65535; ++level)
        ASSERT_EQ(PulseVolumes::FromPulse(PulseVolumes::ToPulse(std::uint16_t(level))), level);
}

TEST(MixerOperations, TheSystemMixerWithoutASoundServerFailsAtOnce) {
    const QByteArray saved = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:/nonexistent/orvane-pulse");
    SystemMixer mixer;
    QElapsedTimer timer;
    timer.start();
    std::uint16_t level = 77;
    std::int32_t boost = 77;
    EXPECT_FALSE(GetSpeakerVolume(mixer, "", level));
    EXPECT_FALSE(SetMicrophoneVolume(mixer, "", 100));
    EXPECT_FALSE(GetMicrophoneBoost(mixer, "", boost));
    EXPECT_EQ(level, 77);
    EXPECT_EQ(boost, 77);
    EXPECT_LT(timer.elapsed(), 1000);
    if (saved.isNull())
        qunsetenv("PULSE_SERVER");
    else
        qputenv("PULSE_SERVER", saved);
}

TEST(Beeps, ABeepPlaysItsToneOnTheDefaultOutputAndIsSilentWithoutOne) {
    FakeClock clock;
    FakeAudioSystem audio(clock);
    TAudioTonePlayer beeper(audio);
    audio.openError = TAudioOpenError::NoSuchDevice;
    beeper.Beep(700, 30);
    EXPECT_TRUE(audio.played.empty());

    audio.openError = TAudioOpenError::None;
    beeper.Beep(1000, 300);
    beeper.Beep(3000, 10);
    EXPECT_EQ(audio.playbackOpens, 1) << "the output stays open for later beeps";
    ASSERT_EQ(audio.played.size(), std::size_t(TAudioTonePlayer::kSampleRate * 310 / 1000));

    // 300 ms at 1000 Hz: 600 sign changes, give or take the fades; it starts and ends at silence.
    int changes = 0;
    for (std::size_t i = 1; i < std::size_t(TAudioTonePlayer::kSampleRate * 300 / 1000); ++i)
        changes += (audio.played[i - 1] < 0) != (audio.played[i] < 0);
    EXPECT_NEAR(changes, 600, 4);
    EXPECT_EQ(audio.played.front(), 0);
    EXPECT_LE(std::abs(audio.played[std::size_t(TAudioTonePlayer::kSampleRate * 300 / 1000) - 1]), 500);
    const auto loudest = *std::max_element(audio.played.begin(), audio.played.end());
    EXPECT_GT(loudest, 8000);

    // A tone above what the rate carries is silence, not a false tone.
    EXPECT_EQ(ToneSamples(30000, 10, TAudioTonePlayer::kSampleRate), std::vector<std::int16_t>(480, 0));
}
