// The player on a virtual clock: packets reach the dispatcher in order and at their pace, voice never does,
// pause, seek and stop behave, and stopping never waits on a main thread that is not listening.
#include "playback/PlayerThread.h"
#include "link/Dispatcher.h"
#include "playback/PlaybackMessageIds.h"
#include "session/RecordedVoice.h"
#include "support/EventPump.h"
#include "support/FakeClock.h"
#include "support/RecordingSink.h"
#include "tests/playback/RecordingFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;
using test::recorded;

struct VoiceLog final : IRecordedVoice {
    void Begin(std::int32_t) override {}
    void PlayFrame(std::uint16_t speaker, QByteArrayView frame) override {
        std::lock_guard lock(mutex);
        frames.emplace_back(speaker, frame.toByteArray());
    }
    void End() override { ++ends; }
    std::mutex mutex;
    std::vector<std::pair<std::uint16_t, QByteArray>> frames;
    std::atomic<int> ends{0};
};

struct PlayerFixture : ::testing::Test {
    // Chat lines "0" to "n-1", one second apart, with a voice frame after every tenth.
    void record(int lines) {
        std::vector<TRecordedPacket> packets;
        for (int i = 0; i < lines; ++i) {
            packets.push_back(recorded(cmChat, i, QByteArray::number(i)));
            if (i % 10 == 9)
                packets.push_back(recorded(cmVoiceIn, i + 0.5, "frame", 7));
        }
        bytes = test::recordingBytes(packets);
        test::writeFile(path, bytes);
    }
    std::unique_ptr<TPlayerThread> player(TAvailableBytes& bytesThere) {
        dispatcher.RegisterHandler({cmChat}, [this](const TIncomingPacket& p) {
            seen.push_back(p.stream.sliced(20).toByteArray().toInt());
            stamps.push_back(clock.tickCount());
        });
        TPlayerParts parts{
            &context,
            window,
            mainWindow,
            clock,
            bytesThere,
            [this](const TPacketHeader& h, QByteArrayView s) { dispatcher.DispatchPacket(h, s); },
            [this] {
                ++resets;
                seen.clear();
            },
            &voice};
        return std::make_unique<TPlayerThread>(parts, path, true, bytes.size());
    }
    bool ended() { return !window.withNumber(PlayerMsg::Stopped).empty(); }

    QTemporaryDir dir;
    QString path = dir.filePath("r.orvane");
    QByteArray bytes;
    QObject context;
    test::RecordingSink window, mainWindow;
    test::FakeClock clock;
    TPacketDispatcher dispatcher;
    VoiceLog voice;
    std::vector<int> seen;
    std::vector<std::uint32_t> stamps;
    int resets = 0;
};

TEST_F(PlayerFixture, PlaysEveryPacketInOrderAtItsRecordedPaceAndVoiceOnlyToTheVoicePlayer) {
    record(30);
    TAvailableBytes there;
    there.Finish(bytes.size());
    auto p = player(there);
    p->Start();
    ASSERT_TRUE(pumpUntil([&] { return ended(); }));
    ASSERT_EQ(seen.size(), 30u);
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(seen[std::size_t(i)], i);
    EXPECT_EQ(stamps.back() - stamps.front(), 29000u) << "one recorded second between lines";
    EXPECT_EQ(voice.frames.size(), 3u);
    EXPECT_EQ(voice.frames[0], std::make_pair(std::uint16_t(7), QByteArray("frame")));
    EXPECT_EQ(p->Played(), 33);
    EXPECT_EQ(mainWindow.withNumber(MainMsg::PlaybackLayout).size(), 1u);
    EXPECT_EQ(window.withNumber(PlayerMsg::Position).back().wParam, 33);
}

TEST_F(PlayerFixture, AGrowingFileBuffersAndATruncatedOneEndsAtItsLastWholePacket) {
    record(5);
    TAvailableBytes there;
    there.Publish(740 + 2 * 21 + 3); // two lines and part of the third
    auto p = player(there);
    p->Start();
    ASSERT_TRUE(pumpUntil([&] { return !window.withNumber(PlayerMsg::Buffering).empty(); }));
    EXPECT_EQ(seen, (std::vector<int>{0, 1}));
    there.Publish(bytes.size() - 5);
    ASSERT_TRUE(pumpUntil([&] { return seen.size() == 4; }));
    there.Finish(bytes.size() - 5); // the download ended short: the last line never comes
    ASSERT_TRUE(pumpUntil([&] { return ended(); }));
    EXPECT_EQ(seen.size(), 4u);
}

TEST_F(PlayerFixture, SeeksForwardAndBackResettingTheRoomBeforeReplayingFromTheStart) {
    record(200);
    TAvailableBytes there;
    there.Finish(bytes.size());
    auto p = player(there);
    p->Pause();
    p->Start();
    p->RequestSeek(150 + 15); // 150 lines and their 15 voice frames
    p->Resume();
    ASSERT_TRUE(pumpUntil([&] { return seen.size() >= 151; }));
    EXPECT_EQ(voice.frames.size(), 0u) << "no voice while seeking";
    EXPECT_EQ(resets, 0);
    p->Pause();
    pumpUntil([] { return false; }, 50);
    p->RequestSeek(11);
    p->Resume();
    ASSERT_TRUE(pumpUntil([&] { return resets == 1 && !seen.empty() && seen.size() >= 10; }));
    ASSERT_GE(seen.size(), 10u);
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(seen[i], int(i)) << "replayed from the first line, once";
    p->Stop();
    EXPECT_GE(voice.ends.load(), 1);
}

TEST_F(PlayerFixture, PauseHoldsThePlayerAndStopNeverWaitsOnTheMainThread) {
    record(50);
    TAvailableBytes there;
    there.Finish(bytes.size());
    auto p = player(there);
    p->Start();
    ASSERT_TRUE(pumpUntil([&] { return seen.size() >= 3; }));
    p->Pause();
    pumpUntil([] { return false; }, 100);
    const std::size_t held = seen.size();
    pumpUntil([] { return false; }, 100);
    EXPECT_LE(seen.size(), held + 1) << "at most the packet already in hand";
    p->Resume();
    ASSERT_TRUE(pumpUntil([&] { return seen.size() >= held + 3; }));

    // The player now waits for a main thread that does not pump: stopping releases it.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    p->Stop();
    EXPECT_FALSE(p->Running());

    // Stopped while paused, and while buffering.
    auto paused = player(there);
    paused->Pause();
    paused->Start();
    paused->Stop();
    TAvailableBytes none;
    auto buffering = player(none);
    buffering->Start();
    ASSERT_TRUE(pumpUntil([&] { return !window.withNumber(PlayerMsg::Buffering).empty(); }));
    buffering->Stop();
}

} // namespace
} // namespace orv
