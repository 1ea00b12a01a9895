// The room's voice settings (124, 125), remote audio control on both sides (122) with its window on a virtual
// clock, and playback, in which none of them acts.
#include "link/Dispatcher.h"
#include "link/SessionState.h"
#include "platform/MessageRouter.h"
#include "platform/VirtualKeys.h"
#include "protocol/AudioControlMessages.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/ResultCodes.h"
#include "support/FakeAudio.h"
#include "support/FakeDirectory.h"
#include "support/FakeMixer.h"
#include "support/FakeSession.h"
#include "support/FakeTimers.h"
#include "voice/AudioControlPane.h"
#include "voice/PushToTalk.h"
#include "voice/RemoteAudioSubject.h"
#include "voice/RemoteAudioWindow.h"
#include "voice/RoomVoiceSettings.h"
#include "voice/VoiceMessageIds.h"
#include "voice/VoiceModule.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QSlider>

#include <gtest/gtest.h>

namespace orv {
namespace {

constexpr std::uint16_t kOwn = 1, kAlice = 2, kBob = 3;

test::FakeDirectory RoomOfThree() {
    test::FakeDirectory directory;
    directory.add(1, "Teacher");
    directory.add(2, "Alice");
    directory.add(3, "Bob");
    return directory;
}

struct Room {
    test::FakeSession session;
    test::FakeTimers timers{session.clock};
    test::FakeDirectory directory = RoomOfThree();
    Room() {
        session.state.account.SetUserId(kOwn);
        session.state.account.SetAccountType(1000);
        session.state.inRoom = true;
    }
    std::vector<TRemoteAudioRecord> sentRecords() const {
        std::vector<TRemoteAudioRecord> out;
        for (const test::SentPacket& p : session.sender.sent)
            if (p.command == cmRemoteAudio) {
                PayloadReader reader(p.payload);
                out.push_back(TRemoteAudioRecord::decode(reader));
            }
        return out;
    }
};

QByteArray Value(std::int32_t v) {
    return TRoomVoiceValue{v}.encode();
}

TEST(OnAir, ThePaneShowsTheFloorTheMeterOnlyOnTheAirAndAMuteThatKeepsTheFloor) {
    Room room;
    room.session.state.OwnMicAllowed = true;
    test::FakeAudioSystem audio(room.session.clock);
    test::FakeMixer mixer;
    TVoiceModule voice(room.session.context, {audio, mixer, room.timers});
    TMessageRouter mainWindow;
    voice.RegisterMessages(mainWindow);
    std::vector<int> pictures;
    voice.SetPictureSource([&](int picture) {
        pictures.push_back(picture);
        return QIcon();
    });
    TAudioControlPane& pane = voice.Pane();
    const auto meterShown = [&] { return !pane.MicrophoneMeter()->isHidden(); };
    TPacketHeader answer;
    answer.UserId = kOwn;

    voice.Talk().RefreshEnabled(); // as room entry does
    voice.SpeakAction().trigger();
    EXPECT_EQ(pane.OnAirLabel()->text(), "Waiting for a microphone...");
    EXPECT_FALSE(meterShown());
    EXPECT_FALSE(voice.MuteAction().isEnabled()) << "nothing to mute before the floor is given";
    mainWindow.Deliver(MainMsg::MicrophoneLevel, 80, 0);
    EXPECT_EQ(pane.MicrophoneMeter()->value(), 0) << "no meter off the air";

    voice.Talk().OnTake(answer);
    EXPECT_EQ(pane.OnAirLabel()->text(), "On the air");
    EXPECT_TRUE(meterShown());
    mainWindow.Deliver(MainMsg::MicrophoneLevel, 55, 0);
    EXPECT_EQ(pane.MicrophoneMeter()->value(), 55);

    voice.MuteAction().trigger();
    EXPECT_TRUE(voice.Talk().Muted());
    EXPECT_EQ(voice.Talk().Floor(), TFloorState::OnAir) << "the floor stays held";
    EXPECT_EQ(pane.OnAirLabel()->text(), "On the air, muted");
    EXPECT_FALSE(pane.MicrophoneMeter()->isEnabled()) << "the meter is greyed while muted";
    EXPECT_TRUE(voice.SpeakAction().isChecked());

    voice.Talk().OnRelease(answer);
    EXPECT_FALSE(voice.Talk().Muted());
    EXPECT_FALSE(voice.MuteAction().isChecked());
    EXPECT_FALSE(meterShown());
    mainWindow.Deliver(MainMsg::MicrophoneLevel, 70, 0); // posted just before the floor ended
    EXPECT_EQ(pane.MicrophoneMeter()->value(), 0);
    EXPECT_EQ(pane.OnAirLabel()->text(), "Not speaking");
    ASSERT_GE(pictures.size(), 4u);
    EXPECT_EQ(std::vector<int>(pictures.end() - 4, pictures.end()), (std::vector<int>{12, 42, 44, 43}));
}

TEST(SoundSettings, ThePulseAudioControlFirstThenTheDesktopsPanelAtThePageAsked) {
    struct Case {
        QStringList installed;
        TSoundSettingsPage page;
        QString program; // empty: none found
        QStringList arguments;
    };
    using P = TSoundSettingsPage;
    const Case cases[] = {
        {{"pavucontrol", "gnome-control-center"}, P::Recording, "/bin/pavucontrol", {"--tab=4"}},
        {{"pavucontrol"}, P::Playback, "/bin/pavucontrol", {"--tab=3"}},
        {{"pavucontrol"}, P::General, "/bin/pavucontrol", {}},
        {{"gnome-control-center", "kcmshell5"}, P::Recording, "/bin/gnome-control-center", {"sound"}},
        {{"kcmshell5"}, P::Playback, "/bin/kcmshell5", {"kcm_pulseaudio"}},
        {{"xterm"}, P::General, "", {}},
    };
    for (const Case& c : cases) {
        const auto found = FindSoundSettings(c.page, [&](const QString& name) {
            return c.installed.contains(name) ? "/bin/" + name : QString();
        });
        SCOPED_TRACE(c.installed.join(',').toStdString());
        ASSERT_EQ(found.has_value(), !c.program.isEmpty());
        if (found) {
            EXPECT_EQ(found->program, c.program);
            EXPECT_EQ(found->arguments, c.arguments);
        }
    }
}

TEST(SoundSettings, TheAudioMenuStartsTheSettingsOrSaysNoneWasFound) {
    Room room;
    test::FakeAudioSystem audio(room.session.clock);
    test::FakeMixer mixer;
    TVoiceModule voice(room.session.context, {audio, mixer, room.timers});
    QStringList installed;
    std::vector<std::pair<QString, QStringList>> started;
    bool starts = true;
    voice.SetProgramStarter(
        [&](const QString& name) { return installed.contains(name) ? "/usr/bin/" + name : QString(); },
        [&](const QString& program, const QStringList& arguments) {
            started.emplace_back(program, arguments);
            return starts;
        });
    voice.SoundSettingsAction().trigger();
    EXPECT_TRUE(started.empty());
    ASSERT_EQ(room.session.dialogs.shown.size(), 1);
    EXPECT_TRUE(room.session.dialogs.shown[0].startsWith("info: No sound settings program was found"));

    installed = {"gnome-control-center"};
    voice.SoundSettingsAction().trigger();
    EXPECT_EQ(started,
              (std::vector<std::pair<QString, QStringList>>{{"/usr/bin/gnome-control-center", {"sound"}}}));
    EXPECT_EQ(room.session.dialogs.shown.size(), 1);
    starts = false;
    voice.OpenSoundSettings(TSoundSettingsPage::Recording);
    ASSERT_EQ(room.session.dialogs.shown.size(), 2);
    EXPECT_TRUE(room.session.dialogs.shown[1].startsWith("error: The sound settings could not be started"));
}

TEST(AudioPane, SlidersFollowTheMixerWhenThePaneIsShownAndWhenARecordingStartsPlaying) {
    Room room;
    test::FakeAudioSystem audio(room.session.clock);
    test::FakeMixer mixer;
    TVoiceModule voice(room.session.context, {audio, mixer, room.timers});
    TAudioControlPane& pane = voice.Pane();
    EXPECT_FALSE(pane.SpeakerSlider()->isEnabled()) << "no device known to the mixer yet";

    mixer.volumes[{TAudioDirection::Output, QByteArray()}] = 20000;
    mixer.volumes[{TAudioDirection::Input, QByteArray()}] = 9000;
    pane.show();
    EXPECT_TRUE(pane.SpeakerSlider()->isEnabled());
    EXPECT_EQ(pane.SpeakerSlider()->value(), 20000);
    EXPECT_EQ(pane.MicrophoneSlider()->value(), 9000);
    EXPECT_EQ((mixer.volumes[{TAudioDirection::Output, QByteArray()}]), 20000) << "showing writes nothing";

    mixer.volumes[{TAudioDirection::Output, QByteArray()}] = 31000; // changed in the desktop's settings
    voice.RecordedVoice().Begin(0);
    EXPECT_EQ(pane.SpeakerSlider()->value(), 31000);
    voice.RecordedVoice().End();
}

TEST(RoomVoiceSettings, TalkerCountIsClampedAndTheSettingsWindowAsksThroughTheModule) {
    Room room;
    test::FakeAudioSystem audio(room.session.clock);
    test::FakeMixer mixer;
    TVoiceModule voice(room.session.context, {audio, mixer, room.timers});
    const std::pair<int, int> cases[] = {{0, 1}, {-4, 1}, {1, 1}, {3, 3}, {5, 5}, {7, 5}};
    for (const auto& [asked, sent] : cases) {
        room.session.sender.sent.clear();
        voice.SettingsEffects()->SetMicrophoneCount(asked);
        ASSERT_EQ(room.session.sender.sent.size(), 1u);
        EXPECT_EQ(room.session.sender.sent[0], (test::SentPacket{cmSetMicrophoneCount, Value(sent)}))
            << asked;
    }
    room.session.sender.sent.clear();
    voice.SettingsEffects()->SetAudioCodec(3);
    EXPECT_EQ(room.session.sender.sent, (std::vector<test::SentPacket>{{cmSetAudioCodec, Value(3)}}));
    EXPECT_EQ(room.session.state.audioCodec, 0) << "the local value waits for the server's notice";
}

TEST(RoomVoiceSettings, NoticesChangeTheRoomAndOnlyANewCodecReconnectsAfterAPause) {
    Room room;
    int reconnects = 0;
    std::vector<int> talkers;
    TRoomVoiceSettings settings(
        room.session.context, room.timers, [&] { ++reconnects; }, [&](int n) { talkers.push_back(n); });
    TPacketHeader header;
    header.UserId = kAlice;
    settings.OnTalkerCount(PayloadReader(Value(4)));
    settings.OnTalkerCount(PayloadReader(Value(9)));
    EXPECT_EQ(room.session.state.microphoneCount, 9);
    EXPECT_EQ(room.session.state.room.MicrophoneCount(), 9);
    EXPECT_EQ(talkers, (std::vector<int>{4, 5})) << "the players follow at once, within 1..5";
    room.timers.advance(5000);
    EXPECT_EQ(reconnects, 0) << "a talker count needs no new link";

    settings.OnRoomCodec(header, PayloadReader(Value(2)));
    EXPECT_EQ(room.session.state.audioCodec, 2);
    EXPECT_EQ(room.session.state.room.AudioCodec(), 2);
    ASSERT_EQ(room.session.notices.chatLines.size(), 1u);
    EXPECT_EQ(room.session.notices.chatLines[0].name, "Audio");
    EXPECT_EQ(room.session.notices.chatLines[0].color, kMaroon);
    room.timers.advance(1999);
    EXPECT_EQ(reconnects, 0);
    room.timers.advance(1);
    EXPECT_EQ(reconnects, 1);

    // A refusal: only the asker hears of it.
    header.ResultCode = 42;
    settings.OnRoomCodec(header, PayloadReader(QByteArray()));
    EXPECT_TRUE(room.session.sink.all().empty());
    header.UserId = kOwn;
    settings.OnRoomCodec(header, PayloadReader(QByteArray()));
    EXPECT_EQ(room.session.sink.withNumber(MainMsg::CodecChangeRefused),
              (std::vector<test::PostedMessage>{{MainMsg::CodecChangeRefused, 42, 0}}));
    EXPECT_EQ(room.session.state.audioCodec, 2);

    // In playback a codec notice changes nothing and re-establishes nothing.
    room.session.state.launchMode = TLaunchMode::LocalFile;
    header.ResultCode = 0;
    settings.OnRoomCodec(header, PayloadReader(Value(5)));
    room.timers.advance(3000);
    EXPECT_EQ(room.session.state.audioCodec, 2);
    EXPECT_EQ(reconnects, 1);
}

struct RemoteWindow : Room {
    TRemoteAudioControl control{session.context, directory, timers};
    TfrmRemoteAudio window{control};

    TRemoteAudioRecord reply(std::uint16_t subject) const {
        TRemoteAudioRecord r = TRemoteAudioRecord::Request(kOwn, subject, RemoteAudioCommand::Query);
        r.SetVoiceStatus(1);
        r.SetSpeakerDevice(0);
        r.SetSpeakerLevel(1000);
        r.SetMicrophoneDevice(2);
        r.SetMicrophoneLevel(2000);
        r.SetBoost(0);
        return r;
    }
};

TEST(RemoteAudioWindow, QueryWaitsTwentySecondsThenSaysSoAndAReplyBringsTheControlsToLife) {
    RemoteWindow w;
    w.directory.selected = kOwn;
    EXPECT_FALSE(w.control.CanControl()) << "not oneself";
    w.directory.selected = kAlice;
    ASSERT_TRUE(w.control.CanControl());
    w.control.QuerySelected();
    ASSERT_EQ(w.sentRecords().size(), 1u);
    EXPECT_EQ(w.sentRecords()[0], TRemoteAudioRecord::Request(kOwn, kAlice, RemoteAudioCommand::Query));
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_EQ(w.window.NameLabel()->text(), "Alice");
    EXPECT_EQ(w.window.StatusLabel()->text(), "Retrieving...");
    EXPECT_FALSE(w.window.SpeakerSlider()->isEnabled());
    w.timers.advance(19999);
    EXPECT_EQ(w.window.StatusLabel()->text(), "Retrieving...");
    w.timers.advance(1);
    EXPECT_EQ(w.window.StatusLabel()->text(), "Unable to retrieve remote settings.");

    // Speaker available, microphone too, boost not: the note stays hidden only when both sliders live.
    TRemoteAudioRecord r = w.reply(kAlice);
    r.SetSpeakerDevice(-1);
    r.SetBoost(-1);
    w.control.OnReply(r);
    EXPECT_EQ(w.window.StatusLabel()->text(), "Operational");
    EXPECT_FALSE(w.window.SpeakerSlider()->isEnabled());
    EXPECT_TRUE(w.window.MicrophoneSlider()->isEnabled());
    EXPECT_EQ(w.window.MicrophoneSlider()->value(), 2000);
    EXPECT_FALSE(w.window.Note()->isHidden());
    EXPECT_FALSE(w.window.BoostBox()->isEnabled());
    EXPECT_FALSE(w.window.BoostBox()->isChecked());
    EXPECT_EQ(w.sentRecords().size(), 1u) << "setting the sliders from a reply sends nothing";

    w.window.MicrophoneSlider()->setValue(3000);
    ASSERT_EQ(w.sentRecords().size(), 2u);
    const TRemoteAudioRecord apply = w.sentRecords()[1];
    EXPECT_EQ(apply.Subject(), kAlice);
    EXPECT_EQ(apply.Command(), RemoteAudioCommand::Apply);
    EXPECT_EQ(apply.MicrophoneLevel(), 3000);
    EXPECT_EQ(apply.Boost(), -1);
    EXPECT_EQ(apply.QueueLength(), 0);
    EXPECT_EQ(apply.SpeakerDevice(), -1);

    w.control.OnReply(w.reply(kAlice));
    EXPECT_TRUE(w.window.Note()->isHidden());
    w.window.BoostBox()->click();
    ASSERT_EQ(w.sentRecords().size(), 3u);
    EXPECT_EQ(w.sentRecords()[2].Boost(), 1);
    r = w.reply(kAlice);
    r.SetVoiceStatus(0);
    w.control.OnReply(r);
    EXPECT_EQ(w.window.StatusLabel()->text(), "Non-Functional");
}

TEST(RemoteAudioWindow, AfterHidingANewQueryDisablesTheControlsSoThePreviousSubjectIsLeftAlone) {
    RemoteWindow w;
    w.directory.selected = kAlice;
    w.control.QuerySelected();
    w.control.OnReply(w.reply(kAlice));
    w.window.close();
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_EQ(w.timers.activeCount(), 0);

    w.directory.selected = kBob;
    w.control.QuerySelected();
    EXPECT_FALSE(w.window.SpeakerSlider()->isEnabled());
    EXPECT_FALSE(w.window.MicrophoneSlider()->isEnabled());
    EXPECT_FALSE(w.window.BoostBox()->isEnabled());
    const std::size_t before = w.sentRecords().size();
    w.window.SpeakerSlider()->setValue(9000); // as a stray change would
    EXPECT_EQ(w.sentRecords().size(), before) << "nothing reaches Alice while Bob's reply is awaited";
    w.control.OnReply(w.reply(kBob));
    w.window.SpeakerSlider()->setValue(100);
    ASSERT_EQ(w.sentRecords().size(), before + 1);
    EXPECT_EQ(w.sentRecords().back().Subject(), kBob);
}

struct Subject : Room {
    test::FakeAudioSystem audio{session.clock};
    test::FakeMixer mixer;
    std::int32_t input = 1, output = 0, queue = 4;
    int reconnects = 0;
    std::pair<int, int> shownLevels{-1, -1};
    TRemoteAudioSubject subject{session.context, directory, audio, mixer,
                                TRemoteAudioSubjectHooks{[] { return true; }, [this] { ++reconnects; },
                                                         [this] { return queue; },
                                                         [this](std::int32_t q) { queue = q; },
                                                         [this]() -> std::int32_t& { return input; },
                                                         [this]() -> std::int32_t& { return output; },
                                                         [this](std::uint16_t s, std::uint16_t m) {
                                                             shownLevels = {s, m};
                                                         }}};
    Subject() {
        session.state.account.SetUserId(kAlice);
        session.state.account.SetAccountType(0);
        audio.inputs = {{"mic", "Microphone"}};
        audio.outputs = {{"spk", "Speakers"}};
        mixer.volumes[{TAudioDirection::Input, "mic"}] = 100;
        mixer.volumes[{TAudioDirection::Output, QByteArray()}] = 200;
        mixer.controls = std::vector<TMixerControl>{{"Mic Boost", 0, true, 0, 1, {1}}};
    }
};

TEST(RemoteAudioSubject, AQueryChangesNothingAndIsAnsweredWithTheStateAsItIs) {
    Subject s;
    TRemoteAudioRecord query = TRemoteAudioRecord::Request(kOwn, kAlice, RemoteAudioCommand::Query);
    query.SetReserved(0x1234);
    s.subject.OnRequest(query);
    ASSERT_EQ(s.sentRecords().size(), 1u);
    const TRemoteAudioRecord answer = s.sentRecords()[0];
    EXPECT_EQ(answer.Requester(), kOwn);
    EXPECT_EQ(answer.Subject(), kAlice);
    EXPECT_EQ(answer.Reserved(), 0x1234) << "travels back unchanged";
    EXPECT_EQ(answer.VoiceStatus(), 1);
    EXPECT_EQ(answer.SpeakerDevice(), 0);
    EXPECT_EQ(answer.SpeakerLevel(), 200);
    EXPECT_EQ(answer.MicrophoneDevice(), 1);
    EXPECT_EQ(answer.MicrophoneLevel(), 100);
    EXPECT_EQ(answer.Boost(), 1);
    EXPECT_EQ(answer.QueueLength(), 4);
    EXPECT_EQ(answer.Command(), RemoteAudioCommand::Query);
    EXPECT_EQ(s.shownLevels, std::make_pair(-1, -1));
    EXPECT_TRUE(s.mixer.written.empty());

    s.mixer.reachable = false;
    s.subject.OnRequest(query);
    const TRemoteAudioRecord unreachable = s.sentRecords().back();
    EXPECT_EQ(unreachable.SpeakerDevice(), -1);
    EXPECT_EQ(unreachable.MicrophoneDevice(), -1);
    EXPECT_EQ(unreachable.Boost(), -1);
}

TEST(RemoteAudioSubject, ApplySetsLevelsAndTheBoostOnlyWhenAsked) {
    Subject s;
    TRemoteAudioRecord apply = TRemoteAudioRecord::Request(kOwn, kAlice, RemoteAudioCommand::Apply);
    apply.SetSpeakerLevel(300);
    apply.SetMicrophoneLevel(400);
    s.subject.OnRequest(apply);
    EXPECT_EQ((s.mixer.volumes[{TAudioDirection::Output, QByteArray()}]), 300);
    EXPECT_EQ((s.mixer.volumes[{TAudioDirection::Input, "mic"}]), 400);
    EXPECT_EQ(s.shownLevels, std::make_pair(300, 400));
    EXPECT_TRUE(s.mixer.written.empty()) << "boost -1 leaves it";
    EXPECT_TRUE(s.session.notices.chatLines.empty());
    EXPECT_EQ(s.queue, 4) << "queue length 0 keeps the own";

    apply.SetBoost(0);
    apply.SetQueueLength(6);
    apply.SetSpeakerDevice(9); // no such line: ignored
    s.subject.OnRequest(apply);
    ASSERT_EQ(s.mixer.written.size(), 1u);
    EXPECT_EQ(s.mixer.written[0].channels, std::vector<long>{0});
    ASSERT_EQ(s.session.notices.chatLines.size(), 1u);
    EXPECT_EQ(s.session.notices.chatLines[0].name, "Alice");
    EXPECT_EQ(s.session.notices.chatLines[0].text, "Adjusted your microphone boost level.");
    EXPECT_EQ(s.queue, 6);
    EXPECT_EQ(s.output, 0);
    EXPECT_EQ(s.sentRecords().back().Boost(), 0);

    s.subject.OnRequest(TRemoteAudioRecord::Request(kOwn, kAlice, RemoteAudioCommand::Reconnect));
    EXPECT_EQ(s.reconnects, 1);
    EXPECT_EQ(s.sentRecords().size(), 3u) << "a reconnection is answered too";
}

TEST(RemoteAudio, PlaybackIgnoresRecordsAndNoticesThatSpeakToALiveRoom) {
    Room room;
    test::FakeAudioSystem audio(room.session.clock);
    test::FakeMixer mixer;
    TVoiceModule voice(room.session.context,
                       {audio, mixer, room.timers, CodecRegistry::Installed(), &room.directory});
    TPacketDispatcher dispatcher;
    voice.RegisterHandlers(dispatcher);
    room.session.state.launchMode = TLaunchMode::LocalFile;
    const QByteArray query = TRemoteAudioRecord::Request(kAlice, kOwn, RemoteAudioCommand::Apply).encode();
    const QByteArray packet = BuildPacket(cmRemoteAudio, kAlice, 100, query);
    dispatcher.DispatchPacket(TPacketHeader::decode(packet), packet);
    const QByteArray codec = BuildPacket(cmSetAudioCodec, kAlice, 100, Value(4));
    dispatcher.DispatchPacket(TPacketHeader::decode(codec), codec);
    room.timers.advance(5000);
    EXPECT_TRUE(room.session.sender.sent.empty());
    EXPECT_TRUE(room.session.notices.chatLines.empty());
    EXPECT_EQ(room.session.state.audioCodec, 0);
}

TEST(PushToTalk, HookReportsTalkOnceWhileHeldAndLeaveAToggledFloorAlone) {
    Room room;
    room.session.state.OwnMicAllowed = true;
    QAction speak;
    speak.setEnabled(true);
    TTalkProtocol talk(room.session.context, speak, [] { return nullptr; });
    QObject::connect(&speak, &QAction::triggered, &speak, [&] { // as the voice module does
        speak.setChecked(!speak.isChecked());
        talk.ToggleSpeak();
    });
    TPushToTalk ptt(room.session.context, speak, talk, room.timers);
    ptt.SetKey(VirtualKey::Control);
    ptt.SetHookInstalled(true);
    const auto commands = [&] {
        std::vector<std::uint16_t> out;
        for (const test::SentPacket& p : room.session.sender.sent)
            out.push_back(p.command);
        return out;
    };
    using Flags = std::intptr_t;
    const Flags release = Flags(KeyFlagRelease | KeyFlagRepeat);
    ptt.OnHookReport(VirtualKey::Shift, 0);
    ptt.OnHookReport(VirtualKey::Control, 0);
    ptt.OnHookReport(VirtualKey::Control, Flags(KeyFlagRepeat));
    ptt.OnWindowKey(VirtualKey::Control, false); // the same press seen by the window acts once
    EXPECT_EQ(commands(), std::vector<std::uint16_t>{cmTakeMicrophone});
    ptt.OnWindowKey(VirtualKey::Control, true);
    EXPECT_EQ(commands().size(), 1u) << "with the hook the window's keys leave push-to-talk alone";
    ptt.OnHookReport(VirtualKey::Control, release);
    EXPECT_EQ(commands(), (std::vector<std::uint16_t>{cmTakeMicrophone, cmReleaseMicrophone}));

    talk.ToggleSpeak();
    ptt.OnHookReport(VirtualKey::Control, release);
    EXPECT_EQ(commands().size(), 3u) << "talking started with Speak goes on";
    ptt.OnWindowKey(VirtualKey::F3, true);
    room.timers.advance(TPushToTalk::kRepeatGraceMs);
    EXPECT_EQ(commands().back(), cmReleaseMicrophone);
    EXPECT_FALSE(speak.isChecked());

    room.session.sender.sent.clear();
    ptt.SetKey(0);
    ptt.OnHookReport(0, 0);
    ptt.SetKey(VirtualKey::Control);
    room.session.state.OwnMicAllowed = false;
    ptt.OnHookReport(VirtualKey::Control, 0);
    ptt.OnHookReport(VirtualKey::Control, release);
    EXPECT_TRUE(commands().empty());

    // Without the hook the window's keys serve; X11 repeats a held key as a release and a press at once.
    room.session.sender.sent.clear();
    room.session.state.OwnMicAllowed = true;
    ptt.SetHookInstalled(false);
    ptt.OnWindowKey(VirtualKey::Control, false);
    for (int i = 0; i < 5; ++i) {
        ptt.OnWindowKey(VirtualKey::Control, true);
        room.timers.advance(30);
        ptt.OnWindowKey(VirtualKey::Control, false);
        room.timers.advance(30);
    }
    EXPECT_EQ(commands(), std::vector<std::uint16_t>{cmTakeMicrophone}) << "held throughout";
    ptt.OnWindowKey(VirtualKey::Control, true);
    room.timers.advance(TPushToTalk::kRepeatGraceMs);
    EXPECT_EQ(commands(), (std::vector<std::uint16_t>{cmTakeMicrophone, cmReleaseMicrophone}));
    ptt.SetHookInstalled(true);
    room.session.sender.sent.clear();

    // Refused with the hook: the user may be elsewhere, so the chat says it and a beep sounds.
    room.session.state.OwnMicAllowed = true;
    ptt.OnHookReport(VirtualKey::Control, 0);
    TPacketHeader refusal;
    refusal.UserId = kOwn;
    refusal.ResultCode = ResultCode::NoFreeMicrophone;
    talk.OnTake(refusal);
    EXPECT_TRUE(room.session.dialogs.shown.isEmpty());
    ASSERT_EQ(room.session.notices.chatLines.size(), 2u) << "the moderator hears how to add microphones";
    EXPECT_EQ(room.session.notices.beeps, (std::vector<std::pair<int, int>>{{700, 30}}));
    EXPECT_FALSE(speak.isChecked());
}

} // namespace
} // namespace orv
