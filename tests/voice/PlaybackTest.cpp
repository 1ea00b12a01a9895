// Playback: the queue's drop-newest rule and its lengths on the virtual clock, the delay meter, routing by
// speaker to the players, and the talk protocol's states.
#include "protocol/CommandCatalogue.h"
#include "protocol/ResultCodes.h"
#include "support/FakeAudio.h"
#include "support/FakeClock.h"
#include "support/FakeSession.h"
#include "support/FakeTimers.h"
#include "support/RoomEventLog.h"
#include "voice/ACMOut.h"
#include "voice/CodecCatalogue.h"
#include "voice/DelayMeter.h"
#include "voice/OnAirLook.h"
#include "voice/PlayerPool.h"
#include "voice/RecordedVoicePlayer.h"
#include "voice/TalkProtocol.h"
#include "voice/VoiceMessageIds.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace orv {
namespace {

using test::FakeAudioSystem;
using test::FakeClock;
using test::FakeTimers;

// One voice frame of GSM: twelve 65-byte blocks, 480 ms of sound.
const std::vector<std::uint8_t> kFrame(12 * 65, 0);
constexpr std::uint32_t kFrameMs = 480;

struct Playback {
    FakeClock clock;
    FakeTimers timers{clock};
    FakeAudioSystem audio{clock};
    TACMOut out{audio, clock, timers};

    explicit Playback(std::uint8_t length) {
        out.SetNumBuffers(length);
        out.Open(*MakeCodecFormat(0), {});
    }
    void play(int times) {
        for (int i = 0; i < times; ++i)
            out.Play(kFrame.data(), int(kFrame.size()));
    }
};

TEST(Playback, AFullQueueDropsTheNewestBlockAndFreesSlotsAsBlocksPlayOut) {
    Playback p(2);
    int played = 0;
    p.out.OnBufferPlayed = [&](TACMOut&, const TACMOut::TBlock&) { ++played; };
    p.out.Play(kFrame.data(), 0);
    EXPECT_EQ(p.out.NumBuffersLeft(), 2) << "an empty block queues nothing";
    p.play(5);
    EXPECT_EQ(p.out.NumBuffersLeft(), 0);
    EXPECT_EQ(p.audio.played.size(), 2u * 12 * 320) << "two blocks played, three dropped";

    p.timers.advance(kFrameMs - 1);
    EXPECT_EQ(played, 0);
    p.timers.advance(1);
    EXPECT_EQ(played, 1);
    EXPECT_EQ(p.out.NumBuffersLeft(), 1);
    p.timers.advance(kFrameMs);
    EXPECT_EQ(p.out.NumBuffersLeft(), 2);
    p.out.Close();
    p.play(1);
    EXPECT_EQ(p.audio.played.size(), 2u * 12 * 320) << "nothing plays once closed";
}

TEST(Playback, ChangingTheQueueLengthMovesTheFreeSlotsByTheDifference) {
    {
        Playback p(6);
        p.play(5);
        p.out.SetNumBuffers(2);
        EXPECT_EQ(p.out.NumBuffersLeft(), 0);
        p.timers.advance(5 * kFrameMs);
        EXPECT_EQ(p.out.NumBuffersLeft(), 2) << "climbs back to the new length, no further";
    }
    {
        Playback p(2);
        p.play(2);
        p.out.SetNumBuffers(4);
        EXPECT_EQ(p.out.NumBuffersLeft(), 2);
    }
}

TEST(Playback, APlayerOnADeviceThatDoesNotOpenPlaysNothing) {
    FakeClock clock;
    FakeTimers timers{clock};
    FakeAudioSystem audio{clock};
    audio.openError = TAudioOpenError::NoSuchDevice;
    TACMPlayer player({audio, clock, timers, "no-such-device"}, *MakeCodecFormat(0), 2);
    EXPECT_FALSE(player.Ok());
    player.Play(kFrame.data(), int(kFrame.size()));
    EXPECT_TRUE(audio.played.empty());
}

TEST(DelayMeter, ShowsTheLongestQueueAsSecondsAndAShareOfSevenSeconds) {
    FakeClock clock;
    FakeTimers timers{clock};
    FakeAudioSystem audio{clock};
    TPlayerPool pool;
    for (int i = 0; i < 3; ++i)
        pool.Add(
            std::make_unique<TACMPlayer>(TPlaybackDevice{audio, clock, timers, {}}, *MakeCodecFormat(0), 10));
    EXPECT_EQ(pool.LongestQueue(), 0);
    const TDelayReading idle = ReadDelay(*pool.LongestQueue());
    EXPECT_EQ(idle.text, "0.5 sec.");
    EXPECT_EQ(idle.percent, 7);

    const int queued[] = {3, 6, 1};
    for (std::uint16_t speaker = 1; speaker <= 3; ++speaker)
        for (int i = 0; i < queued[speaker - 1]; ++i)
            pool.Route(speaker, kFrame.data(), int(kFrame.size()));
    const TDelayReading busy = ReadDelay(*pool.LongestQueue());
    EXPECT_EQ(busy.text, "3.5 sec.");
    EXPECT_EQ(busy.percent, 50);
    EXPECT_FALSE(TPlayerPool().LongestQueue()) << "no players, no reading";
}

TEST(DelayMeter, QueueLengthsFromARoomOrARequestAreClampedToWhatAPlayerHolds) {
    const std::pair<std::int32_t, int> cases[] = {{256, 50}, {-3, 1}, {0, 1}, {2, 2}, {50, 50}, {51, 50}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(ClampQueueLength(value), expected) << value;
}

TEST(PlayerPool, ThreeSpeakersInATwoTalkerRoomNeverShareAPlayer) {
    FakeClock clock;
    FakeTimers timers{clock};
    FakeAudioSystem audio{clock};
    TPlayerPool pool;
    for (int i = 0; i < 2; ++i)
        pool.Add(
            std::make_unique<TACMPlayer>(TPlaybackDevice{audio, clock, timers, {}}, *MakeCodecFormat(0), 4));
    constexpr std::uint16_t A = 11, B = 12, C = 13;
    EXPECT_TRUE(pool.Route(A, kFrame.data(), int(kFrame.size())));
    EXPECT_TRUE(pool.Route(B, kFrame.data(), int(kFrame.size())));
    EXPECT_TRUE(pool.Route(A, kFrame.data(), int(kFrame.size())));
    EXPECT_EQ(pool.At(0).speaker, A);
    EXPECT_EQ(pool.At(1).speaker, B);
    EXPECT_EQ(pool.At(0).Queued(), 2);
    EXPECT_FALSE(pool.Route(C, kFrame.data(), int(kFrame.size()))) << "no player is free for C";
    EXPECT_EQ(pool.At(0).Queued(), 2) << "A's decoder never sees C's frames";

    pool.Release(B); // B's 7 relayed
    timers.advance(kFrameMs);
    EXPECT_TRUE(pool.Route(C, kFrame.data(), int(kFrame.size())));
    EXPECT_EQ(pool.At(1).speaker, C) << "the freed, drained player";
    EXPECT_EQ(pool.At(0).speaker, A);
}

TEST(PlayerPool, GrowsAndShrinksWhileAnotherThreadRoutesFrames) {
    FakeClock clock;
    FakeTimers timers{clock};
    FakeAudioSystem audio{clock};
    TPlayerPool pool;
    const auto make = [&] {
        return std::make_unique<TACMPlayer>(TPlaybackDevice{audio, clock, timers, {}}, *MakeCodecFormat(0),
                                            4);
    };
    pool.Resize(1, make);
    std::atomic<bool> stop{false};
    std::atomic<int> routed{0};
    std::thread receiver([&] {
        for (std::uint16_t speaker = 1; !stop; speaker = std::uint16_t(speaker % 5 + 1)) {
            if (pool.Route(speaker, kFrame.data(), int(kFrame.size())))
                ++routed;
            pool.Release(speaker);
        }
    });
    // Players are made and freed here while frames reach them there; the sanitizer sees any player used
    // after it went.
    for (int round = 0; round < 200; ++round) {
        pool.Resize(std::size_t(round % 5 + 1), make);
        QCoreApplication::processEvents();
        timers.advance(kFrameMs);
    }
    stop = true;
    receiver.join();
    QCoreApplication::processEvents();
    EXPECT_EQ(pool.Size(), 5u);
    EXPECT_GT(routed.load(), 0);
}

TEST(RecordedVoice, FivePlayersOfTheRecordingsCodecAndNoneForACodecThatCannotBeBuilt) {
    FakeClock clock;
    FakeTimers timers{clock};
    FakeAudioSystem audio{clock};
    TRecordedVoicePlayer voice({audio, clock, timers, {}}, CodecRegistry::Installed());
    const QByteArrayView frame(reinterpret_cast<const char*>(kFrame.data()), qsizetype(kFrame.size()));
    voice.PlayFrame(1, frame); // before any recording: dropped
    voice.Begin(-1);
    EXPECT_EQ(voice.Players(), 0u);
    voice.PlayFrame(1, frame); // no player for it: dropped
    voice.Begin(0);
    EXPECT_EQ(voice.Players(), 5u);
    EXPECT_EQ(audio.playbackOpens, 5);
    for (std::uint16_t speaker = 1; speaker <= 7; ++speaker)
        voice.PlayFrame(speaker, frame); // the sixth and seventh take over the first player
    voice.End();
}

bool Posted(test::RecordingSink& sink, int n, std::intptr_t w, std::intptr_t l) {
    const auto all = sink.all();
    return std::find(all.begin(), all.end(), test::PostedMessage{n, w, l}) != all.end();
}

struct Talk {
    test::FakeSession session;
    QAction speak;
    TTalkProtocol talk{session.context, speak, [] { return nullptr; }};
    test::RaisedLog<std::uint16_t, int> marks = test::LogRaises(session.events.speakerMark);
    static constexpr std::uint16_t kOwn = 5, kOther = 6;

    // Whether the participant list was told this speaker mark.
    bool marked(std::uint16_t user, int mark) {
        test::DeliverRaised(session.events);
        return std::find(marks->begin(), marks->end(), std::tuple(user, mark)) != marks->end();
    }

    Talk() {
        session.state.account.SetUserId(kOwn);
        session.state.OwnMicAllowed = true;
    }
    static TPacketHeader answer(std::uint16_t command, std::uint16_t user, std::uint16_t result = 0) {
        TPacketHeader h;
        h.Command = command;
        h.UserId = user;
        h.ResultCode = result;
        return h;
    }
    std::vector<std::uint16_t> sent() const {
        std::vector<std::uint16_t> codes;
        for (const auto& p : session.sender.sent)
            codes.push_back(p.command);
        return codes;
    }
};

TEST(TalkProtocol, RequestGrantAndReleaseFollowTheSpeakAction) {
    Talk t;
    t.talk.ToggleSpeak();
    EXPECT_EQ(t.sent(), std::vector<std::uint16_t>{cmTakeMicrophone});
    EXPECT_TRUE(t.speak.isChecked()) << "checked while the request is pending";
    EXPECT_TRUE(t.talk.ToggleMark());

    t.talk.OnTake(Talk::answer(cmTakeMicrophone, Talk::kOwn));
    EXPECT_TRUE(t.speak.isChecked());
    EXPECT_TRUE(t.marked(Talk::kOwn, 1));

    t.talk.ToggleSpeak();
    EXPECT_EQ(t.sent(), (std::vector<std::uint16_t>{cmTakeMicrophone, cmReleaseMicrophone}));
    EXPECT_FALSE(t.speak.isChecked());
    EXPECT_FALSE(t.talk.ToggleMark());
}

TEST(TalkProtocol, ARefusalUnchecksTheActionAndSaysWhy) {
    Talk t;
    t.talk.ToggleSpeak();
    t.talk.OnTake(Talk::answer(cmTakeMicrophone, Talk::kOwn, ResultCode::NoFreeMicrophone));
    EXPECT_FALSE(t.speak.isChecked());
    EXPECT_FALSE(t.talk.ToggleMark());
    ASSERT_EQ(t.session.dialogs.shown.size(), 1);
    EXPECT_TRUE(t.session.dialogs.shown[0].contains("No more free microphones"));
    EXPECT_TRUE(t.marked(Talk::kOwn, 0));

    t.talk.ToggleSpeak();
    t.talk.OnTake(Talk::answer(cmTakeMicrophone, Talk::kOwn, ResultCode::NotPermitted));
    EXPECT_TRUE(Posted(t.session.sink, MainMsg::MicrophoneRefused, 0, ResultCode::NotPermitted));
    EXPECT_EQ(t.session.dialogs.shown.size(), 1);
}

TEST(TalkProtocol, OtherSpeakersOnlyMarkTheRosterAndAReleaseFromTheServerStopsOwnTalking) {
    Talk t;
    t.talk.OnTake(Talk::answer(cmTakeMicrophone, Talk::kOther));
    EXPECT_TRUE(t.marked(Talk::kOther, 1));
    t.talk.OnTake(Talk::answer(cmTakeMicrophone, Talk::kOther, ResultCode::NoFreeMicrophone));
    EXPECT_FALSE(t.speak.isChecked());
    EXPECT_TRUE(t.session.dialogs.shown.empty());
    t.talk.OnRelease(Talk::answer(cmReleaseMicrophone, Talk::kOther));
    EXPECT_TRUE(t.marked(Talk::kOther, 0));

    t.talk.ToggleSpeak();
    t.talk.OnTake(Talk::answer(cmTakeMicrophone, Talk::kOwn));
    t.talk.OnRelease(Talk::answer(cmReleaseMicrophone, Talk::kOwn));
    EXPECT_FALSE(t.speak.isChecked());
    EXPECT_FALSE(t.talk.ToggleMark());
}

TEST(TalkProtocol, PushToTalkAsksOnceWhileHeldAndReleasesEvenWithoutAGrant) {
    Talk t;
    t.talk.StartTalking();
    t.talk.StartTalking(); // auto-repeat
    t.talk.StopTalking();
    EXPECT_EQ(t.sent(), (std::vector<std::uint16_t>{cmTakeMicrophone, cmReleaseMicrophone}));
    t.session.state.OwnMicAllowed = false;
    t.talk.ToggleSpeak();
    EXPECT_EQ(t.sent().size(), 2u) << "no microphone right, no request";
}

TEST(TalkProtocol, TheFloorIsOffRequestedOrOnTheAirAndAMuteLastsOnlyOnTheAir) {
    enum class Ev { Toggle, Press, Release, Granted, Refused, ServerRelease, Mute };
    struct Row {
        std::vector<Ev> events;
        TFloorState floor;
        bool muted;
        std::intptr_t ownMark; // the last speaker mark posted for the own entry; -1: none
    };
    using F = TFloorState;
    const Row rows[] = {
        {{Ev::Toggle}, F::Requesting, false, SpeakerMarkValue::Requesting},
        {{Ev::Toggle, Ev::Granted}, F::OnAir, false, SpeakerMarkValue::Speaking},
        {{Ev::Toggle, Ev::Granted, Ev::Mute}, F::OnAir, true, SpeakerMarkValue::Speaking},
        {{Ev::Toggle, Ev::Granted, Ev::Mute, Ev::Toggle, Ev::ServerRelease},
         F::Off,
         false,
         SpeakerMarkValue::Silent},
        {{Ev::Toggle, Ev::Granted, Ev::Mute, Ev::ServerRelease}, F::Off, false, SpeakerMarkValue::Silent},
        {{Ev::Toggle, Ev::Refused}, F::Off, false, SpeakerMarkValue::Silent},
        {{Ev::Toggle, Ev::Toggle}, F::Off, false, SpeakerMarkValue::Silent},
        {{Ev::Press}, F::Requesting, false, SpeakerMarkValue::Requesting},
        {{Ev::Press, Ev::Release}, F::Off, false, SpeakerMarkValue::Silent},
        {{Ev::Press, Ev::Granted, Ev::Mute, Ev::Release}, F::Off, false, SpeakerMarkValue::Speaking},
        {{Ev::Mute}, F::Off, false, -1},
        {{Ev::Toggle, Ev::Mute}, F::Requesting, false, SpeakerMarkValue::Requesting},
    };
    for (std::size_t r = 0; r < std::size(rows); ++r) {
        Talk t;
        int changes = 0;
        t.talk.SetChangedHandler([&] { ++changes; });
        for (const Ev e : rows[r].events) {
            switch (e) {
            case Ev::Toggle:
                t.talk.ToggleSpeak();
                break;
            case Ev::Press:
                t.talk.StartTalking();
                break;
            case Ev::Release:
                t.talk.StopTalking();
                break;
            case Ev::Granted:
                t.talk.OnTake(Talk::answer(cmTakeMicrophone, Talk::kOwn));
                break;
            case Ev::Refused:
                t.talk.OnTake(Talk::answer(cmTakeMicrophone, Talk::kOwn, ResultCode::NoFreeMicrophone));
                break;
            case Ev::ServerRelease:
                t.talk.OnRelease(Talk::answer(cmReleaseMicrophone, Talk::kOwn));
                break;
            case Ev::Mute:
                t.talk.SetMuted(true);
                break;
            }
        }
        SCOPED_TRACE(testing::Message() << "row " << r);
        EXPECT_EQ(t.talk.Floor(), rows[r].floor);
        EXPECT_EQ(t.talk.Muted(), rows[r].muted);
        EXPECT_EQ(t.speak.isChecked(), rows[r].floor != F::Off);
        std::intptr_t ownMark = -1;
        test::DeliverRaised(t.session.events);
        for (const auto& [user, mark] : *t.marks)
            if (user == Talk::kOwn)
                ownMark = mark;
        EXPECT_EQ(ownMark, rows[r].ownMark);
        if (rows[r].ownMark != -1) {
            EXPECT_GT(changes, 0) << "the view hears of it";
        }
    }
}

TEST(TalkProtocol, EachFloorShowsItsPictureAndText) {
    struct Case {
        TFloorState floor;
        bool allowed;
        bool muted;
        int picture;
        std::string text;
    };
    const Case cases[] = {
        {TFloorState::Off, true, false, 43, "Not speaking"},
        {TFloorState::Off, false, false, 50, "No microphone given to you"},
        {TFloorState::Requesting, true, false, 12, "Waiting for a microphone..."},
        {TFloorState::OnAir, true, false, 42, "On the air"},
        {TFloorState::OnAir, true, true, 44, "On the air, muted"},
    };
    for (const Case& c : cases) {
        const TSpeakLook look = SpeakLook(c.floor, c.allowed, c.muted);
        EXPECT_EQ(look.picture, c.picture) << c.text;
        EXPECT_EQ(look.text, c.text);
    }
}

TEST(TalkProtocol, ARequestThatCannotBeQueuedReportsTheVoiceLink) {
    Talk t;
    t.session.sender.connected = false;
    t.talk.ToggleSpeak();
    EXPECT_TRUE(Posted(t.session.sink, MainMsg::VoiceLinkState, 5, 0));
}

} // namespace
} // namespace orv
