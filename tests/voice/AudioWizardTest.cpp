// The audio setup wizard on the fake sound system: its pages, the device lines it selects, the sample, the
// microphone test through the room's codec and its loopback thread, and the session's steps around it.
#include "link/SessionState.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/RosterMessages.h"
#include "session/Settings.h"
#include "support/EventPump.h"
#include "support/FakeAudio.h"
#include "support/FakeMixer.h"
#include "support/FakeSession.h"
#include "support/FakeTimers.h"
#include "voice/AudioWizardWindow.h"
#include "voice/MicrophoneLoopback.h"
#include "voice/SamplePlayer.h"
#include "voice/VoiceModule.h"
#include "voice/WaveImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

#include <gtest/gtest.h>

namespace orv {
namespace {

struct Wizard {
    test::FakeClock clock;
    test::FakeTimers timers{clock};
    test::FakeAudioSystem audio{clock};
    test::FakeMixer mixer;
    test::FakeDialogs dialogs;
    std::int32_t output = 0, input = 1;
    int saves = 0;
    std::vector<TSoundSettingsPage> settingsPages;

    Wizard() {
        audio.outputs = {{"a", "Card A"}, {"b", "Card B"}, {"c", "Card C"}};
        audio.inputs = {{"m", "Mic"}};
        mixer.volumes[{TAudioDirection::Output, "b"}] = 1234;
        mixer.volumes[{TAudioDirection::Input, "m"}] = 777;
    }
    TAudioWizardParts parts(std::uint8_t codec = 0) {
        return {audio,
                mixer,
                clock,
                timers,
                dialogs,
                CodecRegistry::Installed(),
                codec,
                output,
                input,
                [this] { ++saves; },
                [this](TSoundSettingsPage page) { settingsPages.push_back(page); }};
    }
};

TEST(AudioWizard, SampleIsOurOwnSpeechInTheRoomsDefaultCodec) {
    const std::optional<TWaveImage> sample = ReadWaveImage(WizardSample());
    ASSERT_TRUE(sample);
    EXPECT_EQ(sample->format.formatTag, kWaveFormatGsm610);
    EXPECT_EQ(sample->format.samplesPerSec, 8000u);
    EXPECT_GT(sample->data.size(), 1625 * 5) << "several seconds of speech";
    EXPECT_EQ(sample->data.size() % sample->format.blockAlign, 0);
    EXPECT_FALSE(ReadWaveImage(WizardSample().left(60))) << "a data chunk longer than the image";
    EXPECT_FALSE(ReadWaveImage(QByteArray("RIFF\x04\0\0\0WAVE", 12)));
}

TEST(AudioWizard, SelectsTheStoredLineOrTheFirstAndStoresThat) {
    const std::pair<int, int> cases[] = {{2, 2}, {3, 3}, {5, 0}, {-1, 0}};
    for (const auto& [stored, selected] : cases) {
        Wizard w;
        w.output = stored;
        TfrmAudioWizard wizard(w.parts());
        EXPECT_EQ(wizard.OutputBox()->count(), 4) << "the default device, then each card";
        EXPECT_EQ(wizard.OutputBox()->currentIndex(), selected) << stored;
        EXPECT_EQ(w.output, selected) << stored;
    }
    Wizard w;
    w.output = 2;
    TfrmAudioWizard wizard(w.parts());
    EXPECT_TRUE(wizard.SpeakerSlider()->isEnabled());
    EXPECT_EQ(wizard.SpeakerSlider()->value(), 1234);
    wizard.OutputBox()->setCurrentIndex(1);
    EXPECT_EQ(w.output, 1) << "a chosen line is stored at once";
    EXPECT_FALSE(wizard.SpeakerSlider()->isEnabled()) << "card A has no level the mixer reaches";
}

TEST(AudioWizard, PagesSwitchAndAPageSwitchStopsTheMicrophoneTest) {
    Wizard w;
    TfrmAudioWizard wizard(w.parts());
    wizard.show();
    EXPECT_EQ(wizard.windowTitle(), "Audio Setup Wizard");
    EXPECT_EQ(wizard.Header()->text(), "Audio Playback Test");
    EXPECT_EQ(wizard.NextButton()->text(), "Microphone Test");
    wizard.NextButton()->click();
    EXPECT_EQ(wizard.CurrentPage(), TfrmAudioWizard::MicrophonePage);
    EXPECT_EQ(wizard.Header()->text(), "Microphone Test");
    EXPECT_EQ(wizard.NextButton()->text(), "<< Back");
    EXPECT_EQ(wizard.MicrophoneSlider()->value(), 777);
    EXPECT_TRUE(wizard.StartTestButton()->isEnabled());
    EXPECT_FALSE(wizard.StopTestButton()->isEnabled());

    wizard.StartTestButton()->click();
    ASSERT_TRUE(wizard.TestRunning());
    EXPECT_EQ(w.audio.captureOpens, 1);
    EXPECT_FALSE(wizard.InputBox()->isEnabled());
    EXPECT_TRUE(wizard.StopTestButton()->isEnabled());
    w.audio.signal.assign(8000, 3000);
    w.audio.Run(w.clock, 1500, 10); // the capture fills buffers; the loopback thread plays them
    ASSERT_TRUE(test::pumpUntil([&] {
        w.timers.advance(10);
        return !w.audio.played.empty();
    }));

    wizard.NextButton()->click();
    EXPECT_FALSE(wizard.TestRunning());
    EXPECT_EQ(wizard.CurrentPage(), TfrmAudioWizard::PlaybackPage);
    wizard.accept();
    EXPECT_GE(w.saves, 1) << "closing saves";
}

TEST(AudioWizard, TheMeterFollowsTheTestedMicrophoneAndTheLinksOpenTheSoundSettingsPages) {
    Wizard w;
    TfrmAudioWizard wizard(w.parts());
    wizard.show();
    wizard.PlaybackControlsLink()->click();
    wizard.ShowPage(TfrmAudioWizard::MicrophonePage);
    wizard.RecordingControlsLink()->click();
    EXPECT_EQ(w.settingsPages, (std::vector{TSoundSettingsPage::Playback, TSoundSettingsPage::Recording}));

    wizard.StartTestButton()->click();
    ASSERT_TRUE(wizard.TestRunning());
    w.audio.signal.assign(8000, 3000); // about 21 dB below full scale
    w.audio.Run(w.clock, 200, 10);
    EXPECT_EQ(wizard.MicrophoneMeter()->value(), 0) << "the meter hears of it through the event queue only";
    ASSERT_TRUE(test::pumpUntil([&] { return wizard.MicrophoneMeter()->value() == 65; }));
    wizard.StopTestButton()->click();
    EXPECT_EQ(wizard.MicrophoneMeter()->value(), 0);
}

TEST(AudioWizard, PlaysTheSampleToItsEndAndOffersPlayAgain) {
    Wizard w;
    TfrmAudioWizard wizard(w.parts());
    wizard.show();
    wizard.PlayButton()->click();
    ASSERT_TRUE(wizard.SamplePlaying());
    EXPECT_FALSE(wizard.PlayButton()->isEnabled());
    EXPECT_FALSE(wizard.OutputBox()->isEnabled());
    EXPECT_TRUE(wizard.StopPlayButton()->isEnabled());
    EXPECT_FALSE(wizard.PlayingLabel()->isHidden());
    for (int i = 0; i < 400 && wizard.SamplePlaying(); ++i)
        w.timers.advance(100);
    EXPECT_FALSE(wizard.SamplePlaying());
    EXPECT_GT(w.audio.played.size(), std::size_t(8000 * 5)) << "the whole sample reached the device";
    EXPECT_TRUE(wizard.PlayButton()->isEnabled());
    EXPECT_TRUE(wizard.PlayingLabel()->isHidden());

    w.audio.openError = TAudioOpenError::DeviceBusy;
    wizard.PlayButton()->click();
    EXPECT_FALSE(wizard.SamplePlaying());
    ASSERT_EQ(w.dialogs.shown.size(), 1);
    EXPECT_TRUE(w.dialogs.shown[0].startsWith("error: The audio sample cannot be played"));
    EXPECT_TRUE(wizard.PlayButton()->isEnabled());
}

TEST(AudioWizard, ABoostFoundOnIsOfferedOffAndTurningItOnAsksFirst) {
    Wizard w;
    w.mixer.controls = std::vector<TMixerControl>{{"Mic Boost", 0, true, 0, 1, {1}}};
    w.dialogs.answer = true;
    TfrmAudioWizard wizard(w.parts());
    wizard.ShowPage(TfrmAudioWizard::MicrophonePage);
    ASSERT_EQ(w.dialogs.shown.size(), 1);
    EXPECT_TRUE(w.dialogs.shown[0].startsWith("question: Your microphone is currently in \"boost\" mode."));
    EXPECT_FALSE(wizard.BoostBox()->isChecked());
    EXPECT_EQ(wizard.BoostBox()->text(), "Microphone Boost");
    EXPECT_EQ(w.mixer.written.back().channels, std::vector<long>{0});

    w.dialogs.answer = false;
    wizard.BoostBox()->click();
    EXPECT_FALSE(wizard.BoostBox()->isChecked()) << "No leaves the boost off";
    EXPECT_EQ(w.mixer.written.size(), 1u);
    w.dialogs.answer = true;
    wizard.BoostBox()->click();
    EXPECT_TRUE(wizard.BoostBox()->isChecked());
    EXPECT_EQ(w.mixer.written.back().channels, std::vector<long>{1});
}

TEST(MicrophoneLoopback, ABlockHandedOverBeforeTheThreadWaitsIsStillPlayed) {
    test::FakeClock clock;
    test::FakeTimers timers(clock);
    test::FakeAudioSystem audio(clock);
    const std::vector<std::uint8_t> block(65, 0); // one GSM block of silence
    for (int round = 0; round < 20; ++round) {
        TMicrophoneLoopback loopback(audio, clock, timers);
        ASSERT_TRUE(loopback.Start(0, {}, {}));
        loopback.HandOver(block.data(), int(block.size()));
        ASSERT_TRUE(test::pumpUntil([&] { return loopback.BlocksPlayed() == 1; })) << round;
        loopback.Stop();
        EXPECT_FALSE(loopback.Running());
    }
}

TEST(AudioWizardSession, RunsBetweenBusyAndOnlineAndLeavesTheQueueOfTheOptimizeChoice) {
    const std::pair<int, int> cases[] = {{1, 10}, {2, 10}, {3, 6}, {4, 2}};
    for (const auto& [option, queue] : cases) {
        test::FakeSession session;
        test::FakeTimers timers(session.clock);
        test::FakeAudioSystem audio(session.clock);
        test::FakeMixer mixer;
        session.state.inRoom = true;
        TVoiceModule voice(session.context, {audio, mixer, timers});
        TSettings settings;
        settings.AudioOptimizeOption = option;
        settings.InputAudioQueueSize = 2;
        voice.ApplySettings(settings);
        std::vector<TUserOnlineStatus> statuses;
        voice.SetOnlineStatusSender([&](TUserOnlineStatus s) { statuses.push_back(s); });
        int runs = 0;
        voice.SetWizardRunner([&](TAudioWizardParts& parts) {
            ++runs;
            EXPECT_EQ(statuses, std::vector<TUserOnlineStatus>{usBusy});
            parts.outputDevice = 1;
        });
        voice.WizardAction().trigger();
        EXPECT_EQ(runs, 1);
        EXPECT_EQ(statuses, (std::vector<TUserOnlineStatus>{usBusy, usOnline}));
        EXPECT_EQ(voice.QueueLength(), queue) << option;
    }

    test::FakeSession session;
    test::FakeTimers timers(session.clock);
    test::FakeAudioSystem audio(session.clock);
    test::FakeMixer mixer;
    TVoiceModule voice(session.context, {audio, mixer, timers});
    session.state.launchMode = TLaunchMode::PlayFromServer;
    int runs = 0;
    voice.SetWizardRunner([&](TAudioWizardParts&) { ++runs; });
    voice.RunAudioWizard();
    voice.AskAndRunAudioWizard();
    EXPECT_EQ(runs, 0) << "not in playback";
}

} // namespace
} // namespace orv
