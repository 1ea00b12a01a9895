// The voice connection: its bytes both ways against a raw peer, the keep-alive, a broken stream, and a tone
// from one client's microphone to another's loudspeakers through our server.
#include "platform/TonePlayer.h"
#include "protocol/AudioControlMessages.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/VoiceMessages.h"
#include "support/EventPump.h"
#include "support/FakeAudio.h"
#include "support/FakeTimers.h"
#include "support/Loopback.h"
#include "support/RecordingSink.h"
#include "support/VoiceRoom.h"
#include "voice/CodecCatalogue.h"
#include "voice/VoiceMessageIds.h"
#include "voice/VoiceThread.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <cmath>
#include <numbers>
#include <thread>

namespace orv {
namespace {

using test::FakeAudioSystem;
using test::FakeClock;
using test::FakeTimers;

QByteArray ReadExact(int fd, std::size_t size) {
    QByteArray bytes(qsizetype(size), '\0');
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::recv(fd, bytes.data() + done, size - done, 0);
        if (n <= 0)
            return {};
        done += std::size_t(n);
    }
    return bytes;
}

void WriteAll(int fd, const QByteArray& bytes) {
    ASSERT_EQ(::send(fd, bytes.constData(), std::size_t(bytes.size()), MSG_NOSIGNAL), bytes.size());
}

QByteArray Reply(std::uint16_t result) {
    TPacketHeader h;
    h.ResultCode = result;
    return h.toByteArray();
}

struct Client {
    FakeClock clock;
    FakeTimers timers{clock};
    FakeAudioSystem audio{clock};
    test::RecordingSink sink;
    TVoiceThread voice;

    explicit Client(std::uint16_t user, int talkers = 1)
        : voice(setup(user, talkers), {audio, clock, timers}, sink) {}
    static TVoiceSetup setup(std::uint16_t user, int talkers) {
        TVoiceSetup s;
        s.userId = user;
        s.roomId = test::VoiceRoom::kRoom;
        s.talkers = talkers;
        s.queueLength = 4;
        s.cleaning = {false, false};
        return s;
    }
    int connect(std::uint16_t port) { return voice.Connect({"127.0.0.1", port, {}, {}, "pw", 5000}); }
};

TEST(VoiceLink, SignsOnRawThenSendsFramesWhileTransmittingAndKeepAlivesWhileNot) {
    test::LoopbackListener listener;
    Client c(7);
    QByteArray signOn, probe, frame;
    std::thread peer([&] {
        const int fd = listener.accept();
        signOn = ReadExact(fd, 66);
        WriteAll(fd, Reply(0));
        probe = ReadExact(fd, 20);
        frame = ReadExact(fd, 20 + 3);
        const QByteArray speech = VoiceFrame(cmVoiceIn, 9, 100, "xyz", 3);
        WriteAll(fd, VoiceFrame(cmVoiceIn, 9, 100, nullptr, 0) + speech);
        ReadExact(fd, 1); // until the client closes
        ::close(fd);
    });
    ASSERT_EQ(c.connect(listener.port()), 0);
    c.voice.Start();
    c.timers.advance(TVoiceThread::kKeepAliveMs); // not transmitting: a probe
    c.voice.SetTransmit(true);
    c.voice.KeepAlive(); // transmitting: nothing
    const std::uint8_t payload[] = {1, 2, 3};
    c.voice.Captured(payload, 3);
    ASSERT_TRUE(test::pumpUntil([&] { return c.voice.LastCommand() == cmVoiceIn; }));
    c.voice.Stop(); // the reader is blocked in a read: the stop must not wait for the peer
    peer.join();

    ASSERT_EQ(signOn.size(), 66);
    const auto* s = reinterpret_cast<const std::uint8_t*>(signOn.constData());
    EXPECT_EQ(s[0] | s[1] << 8, 7) << "own user id first";
    EXPECT_EQ(signOn.mid(2, 3), QByteArray("\x02pw", 3)) << "password as a short string";
    EXPECT_EQ(s[13], 0) << "empty user name";
    EXPECT_EQ(s[64] | s[65] << 8, 100) << "room id after the record";
    EXPECT_EQ(TPacketHeader::decode(probe).Command, cmProbe);
    const TPacketHeader sent = TPacketHeader::decode(frame);
    EXPECT_EQ(sent.Command, cmVoiceOut);
    EXPECT_EQ(sent.UserId, 7);
    EXPECT_EQ(sent.DataSize, 3);
    EXPECT_EQ(frame.mid(20), QByteArray("\x01\x02\x03", 3));
    EXPECT_TRUE(c.sink.withNumber(MainMsg::VoiceLinkState).empty()) << "a deliberate stop is no loss";
}

TEST(VoiceLink, AMutedSpeakerSendsNoFramesButKeepsTheLinkAliveAndItsMeterMoving) {
    test::LoopbackListener listener;
    Client c(7);
    c.audio.signal = ToneSamples(1000, 3000, 8000);
    QByteArray first, second;
    std::thread peer([&] {
        const int fd = listener.accept();
        ReadExact(fd, 66);
        WriteAll(fd, Reply(0));
        first = ReadExact(fd, 20);
        second = ReadExact(fd, 20 + 3);
        ReadExact(fd, 1); // until the client closes
        ::close(fd);
    });
    ASSERT_EQ(c.connect(listener.port()), 0);
    c.voice.Start();
    c.audio.Run(c.clock, 500, 10); // listening: no meter
    EXPECT_TRUE(c.sink.withNumber(MainMsg::MicrophoneLevel).empty());
    c.voice.SetTransmit(true);
    c.voice.SetMuted(true);
    c.audio.Run(c.clock, 1500, 10); // three captured frames, none sent
    c.voice.KeepAlive();
    const auto levels = c.sink.withNumber(MainMsg::MicrophoneLevel);
    ASSERT_EQ(levels.size(), 30u) << "a reading every 50 ms while on the air";
    EXPECT_GT(levels.back().wParam, 50);
    c.voice.SetMuted(false);
    const std::uint8_t payload[] = {1, 2, 3};
    c.voice.Captured(payload, 3);
    c.voice.Stop();
    peer.join();
    EXPECT_EQ(TPacketHeader::decode(first).Command, cmProbe) << "the probe, not a muted frame, came first";
    EXPECT_EQ(TPacketHeader::decode(second).Command, cmVoiceOut);
    EXPECT_EQ(second.mid(20), QByteArray("\x01\x02\x03", 3));
}

TEST(VoiceLink, ARefusedSignOnGivesTheServersCodeAndAnOversizedFrameEndsTheLink) {
    {
        test::LoopbackListener listener;
        Client c(7);
        std::thread peer([&] {
            const int fd = listener.accept();
            ReadExact(fd, 66);
            WriteAll(fd, Reply(54));
            ::close(fd);
        });
        EXPECT_EQ(c.connect(listener.port()), 54);
        peer.join();
    }
    {
        test::LoopbackListener listener;
        Client c(7);
        std::thread peer([&] {
            const int fd = listener.accept();
            ReadExact(fd, 66);
            WriteAll(fd, Reply(0));
            TPacketHeader huge;
            huge.Command = cmVoiceIn;
            huge.DataSize = kMaxVoicePayload + 1;
            WriteAll(fd, huge.toByteArray());
            ReadExact(fd, 1);
            ::close(fd);
        });
        ASSERT_EQ(c.connect(listener.port()), 0);
        c.voice.Start();
        EXPECT_TRUE(test::pumpUntil([&] { return !c.sink.withNumber(MainMsg::VoiceLinkState).empty(); }));
        EXPECT_EQ(c.sink.withNumber(MainMsg::VoiceLinkState)[0].wParam, VoiceLink::ReceiveEnded);
        c.voice.Stop();
        peer.join();
    }
    Client nowhere(7);
    EXPECT_EQ(nowhere.connect(test::LoopbackListener().port()), VoiceStart::ConnectFailed);
}

// The share of a signal's power at one frequency.
double ToneShare(const std::vector<std::int16_t>& s, double frequency, int rate) {
    const double w = 2 * std::numbers::pi * frequency / rate;
    double s1 = 0, s2 = 0, total = 0;
    for (const std::int16_t x : s) {
        const double s0 = x + 2 * std::cos(w) * s1 - s2;
        s2 = s1;
        s1 = s0;
        total += double(x) * x;
    }
    const double power = s1 * s1 + s2 * s2 - 2 * std::cos(w) * s1 * s2;
    return total > 0 ? 2 * power / (double(s.size()) * total) : 0;
}

TEST(VoiceLink, AToneCapturedAtOneClientIsHeardDecodedAtAnotherThroughTheServer) {
    test::VoiceRoom room(1);
    Client alice(test::VoiceRoom::kAlice), bob(test::VoiceRoom::kBob);
    alice.audio.signal = ToneSamples(1000, 2000, 8000);
    ASSERT_EQ(alice.connect(room.voicePort), 0);
    ASSERT_EQ(bob.connect(room.voicePort), 0);
    alice.voice.Start();
    bob.voice.Start();
    room.control[test::VoiceRoom::kAlice]->sendPacket(cmTakeMicrophone);
    while (room.control[test::VoiceRoom::kAlice]->readPacket().header.Command != cmTakeMicrophone) {
    }
    alice.voice.SetTransmit(true);
    alice.audio.Run(alice.clock, 2000, 10);
    // Three frames of half a second made it; bob plays each as it arrives, up to his queue's length.
    ASSERT_TRUE(test::pumpUntil([&] { return bob.audio.played.size() >= 3 * 4000; }));
    const std::vector<std::int16_t> heard(bob.audio.played.begin() + 4000, bob.audio.played.begin() + 8000);
    EXPECT_GT(ToneShare(heard, 1000, 8000), 0.8);
    EXPECT_EQ(bob.voice.Players().At(0).speaker, test::VoiceRoom::kAlice);
    EXPECT_TRUE(alice.audio.played.empty()) << "a speaker does not hear itself";
}

// Reads the control connection up to the next packet of `command` from `user`.
test::ReceivedPacket Await(test::SimulatedClient& control, std::uint16_t command, std::uint16_t user) {
    for (;;) {
        test::ReceivedPacket p = control.readPacket();
        if (p.header.Command == command && p.header.UserId == user)
            return p;
    }
}

TEST(VoiceLink, ANewTalkerCountReachesEveryListenersPlayersWhileFramesFlow) {
    using R = test::VoiceRoom;
    R room(1);
    std::map<std::uint16_t, std::unique_ptr<Client>> clients;
    for (const std::uint16_t id : {R::kTeacher, R::kAlice, R::kBob}) {
        clients[id] = std::make_unique<Client>(id, 1);
        ASSERT_EQ(clients[id]->connect(room.voicePort), 0);
        clients[id]->voice.Start();
    }
    Client& teacher = *clients[R::kTeacher];
    Client& alice = *clients[R::kAlice];
    Client& bob = *clients[R::kBob];
    alice.audio.signal = ToneSamples(1000, 4000, 8000);
    bob.audio.signal = ToneSamples(600, 4000, 8000);
    // Each client applies the room's new count as its notice arrives, while its link stays up.
    const auto setCount = [&](std::int32_t count) {
        room.control[R::kTeacher]->sendPacket(cmSetMicrophoneCount, TRoomVoiceValue{count}.encode());
        for (const auto& [id, client] : clients) {
            const test::ReceivedPacket notice = Await(*room.control[id], cmSetMicrophoneCount, R::kTeacher);
            PayloadReader reader(notice.payload);
            client->voice.SetTalkers(TRoomVoiceValue::decode(reader).value, 4);
        }
    };
    const auto take = [&](std::uint16_t speaker, Client& c) {
        room.control[speaker]->sendPacket(cmTakeMicrophone);
        ASSERT_EQ(Await(*room.control[speaker], cmTakeMicrophone, speaker).header.ResultCode, 0);
        c.voice.SetTransmit(true);
    };

    setCount(2);
    for (const auto& [id, client] : clients)
        EXPECT_EQ(client->voice.Players().Size(), 2u) << id;
    take(R::kAlice, alice);
    take(R::kBob, bob);
    for (int step = 0; step < 3; ++step) { // a second of speech from each, interleaved
        alice.audio.Run(alice.clock, 500, 10);
        bob.audio.Run(bob.clock, 500, 10);
    }
    const auto heardBoth = [&] {
        std::vector<std::uint16_t> speakers = teacher.voice.Players().Speakers();
        std::sort(speakers.begin(), speakers.end());
        return speakers == std::vector<std::uint16_t>{R::kAlice, R::kBob};
    };
    ASSERT_TRUE(test::pumpUntil(heardBoth)) << "the second speaker has a player of its own at the listener";
    constexpr std::size_t kFrameSamples = 12 * 320; // half a second of GSM, as capture cuts it
    ASSERT_TRUE(test::pumpUntil([&] { return teacher.audio.played.size() >= 6 * kFrameSamples; }))
        << "both speakers' frames are played, none dropped for want of a player";
    EXPECT_GT(ToneShare(teacher.audio.played, 1000, 8000), 0.2);
    EXPECT_GT(ToneShare(teacher.audio.played, 600, 8000), 0.2);

    // Alice gives her microphone back; the room shrinks to one: bob keeps his player everywhere.
    room.control[R::kAlice]->sendPacket(cmReleaseMicrophone);
    alice.voice.SetTransmit(false);
    for (const auto& [id, client] : clients) {
        Await(*room.control[id], cmReleaseMicrophone, R::kAlice);
        client->voice.Players().Release(R::kAlice);
    }
    setCount(1);
    EXPECT_EQ(teacher.voice.Players().Speakers(), std::vector<std::uint16_t>{R::kBob});
    teacher.timers.advance(2000); // what was queued plays out
    EXPECT_EQ(alice.voice.Players().Size(), 1u);
    const std::size_t before = teacher.audio.played.size();
    bob.audio.Run(bob.clock, 1000, 10);
    EXPECT_TRUE(test::pumpUntil([&] { return teacher.audio.played.size() >= before + 2 * kFrameSamples; }))
        << "bob is heard on through the one player left";
    EXPECT_EQ(teacher.audio.playbackOpens, 2) << "the players were made once each, not by a reconnect";
}

} // namespace
} // namespace orv
