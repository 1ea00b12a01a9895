#include "link/WriterThread.h"
#include "link/LinkMessageIds.h"
#include "link/SessionLink.h"
#include "protocol/PacketHeader.h"
#include "support/FakeChannel.h"
#include "support/FakeClock.h"
#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <thread>

namespace orv {
namespace {

using test::FakeChannel;
using test::FakeClock;
using test::PostedMessage;
using test::RecordingSink;

struct WriterFixture : ::testing::Test {
    FakeChannel channel;
    FakeClock clock;
    RecordingSink sink;
    TVCRWriterThread writer{channel, sink, clock};

    void queueBytes(std::size_t size) {
        TQueueLock lock(writer);
        writer.Append(QByteArray(qsizetype(size), 'x'));
    }
};

TEST_F(WriterFixture, SplitsABatchIntoRateFifthPieces) {
    struct Case {
        std::int32_t rate;
        std::size_t batch;
        std::vector<qsizetype> pieces;
    } cases[] = {
        {21845, 3 * 4369, {4369, 4369, 4369}},
        {21845, 3 * 4369 + 1, {4369, 4369, 4369, 1}},
        {21845, 20, {20}},
        {1229, 500, {245, 245, 10}},
        {5, 3, {1, 1, 1}},
    };
    for (const auto& c : cases) {
        FakeChannel ch;
        FakeClock ck;
        RecordingSink sk;
        TVCRWriterThread w(ch, sk, ck);
        w.SetRate(c.rate);
        w.QueuePacket(QByteArray(qsizetype(c.batch), 'x'));
        w.Start();
        ASSERT_TRUE(ch.waitForBytes(c.batch));
        w.Stop();
        EXPECT_EQ(ch.pieceSizes(), c.pieces) << "rate " << c.rate << " batch " << c.batch;
        // Each piece is paced to 200 ms and reported with its size and the elapsed time.
        std::vector<PostedMessage> progress;
        for (auto size : c.pieces)
            progress.push_back({MainMsg::UplinkProgress, std::intptr_t(size), 200});
        auto posted = sk.withNumber(MainMsg::UplinkProgress);
        posted.erase(posted.begin()); // the append's own report
        EXPECT_EQ(posted, progress);
        EXPECT_EQ(ck.sleeps(), std::vector<std::uint32_t>(c.pieces.size(), 200));
    }
}

TEST_F(WriterFixture, BelowRateFiveWritesWholeWithoutPacingOrProgress) {
    writer.SetRate(4);
    queueBytes(1000);
    sink.clear();
    writer.Start();
    ASSERT_TRUE(channel.waitForBytes(1000));
    writer.Stop();
    EXPECT_EQ(channel.pieceSizes(), std::vector<qsizetype>{1000});
    EXPECT_TRUE(clock.sleeps().empty());
    EXPECT_TRUE(sink.withNumber(MainMsg::UplinkProgress).empty());
}

TEST_F(WriterFixture, SlowWriteIsNotPaddedAndReportsItsRealTime) {
    channel.chargeWrites(clock, 350);
    writer.SetRate(21845);
    queueBytes(100);
    writer.Start();
    ASSERT_TRUE(channel.waitForBytes(100));
    writer.Stop();
    EXPECT_TRUE(clock.sleeps().empty());
    EXPECT_EQ(sink.withNumber(MainMsg::UplinkProgress).back(),
              (PostedMessage{MainMsg::UplinkProgress, 100, 350}));
}

TEST_F(WriterFixture, TickCounterWrapDoesNotBreakPacing) {
    clock.set(0xFFFFFFF0u);
    channel.chargeWrites(clock, 50);
    writer.SetRate(21845);
    queueBytes(100);
    writer.Start();
    ASSERT_TRUE(channel.waitForBytes(100));
    writer.Stop();
    EXPECT_EQ(clock.sleeps(), std::vector<std::uint32_t>{150});
}

TEST_F(WriterFixture, AppendReportsTotalQueued) {
    queueBytes(20);
    queueBytes(30);
    EXPECT_EQ(writer.QueuedSize(), 50u);
    EXPECT_EQ(
        sink.withNumber(MainMsg::UplinkProgress),
        (std::vector<PostedMessage>{{MainMsg::UplinkProgress, 20, 0}, {MainMsg::UplinkProgress, 50, 0}}));
}

TEST_F(WriterFixture, PacketQueuedDuringPacingLeavesInTheNextBatch) {
    const QByteArray first = BuildPacket(cmHeartbeat, 1, 1);
    const QByteArray second = BuildPacket(cmParticipantList, 1, 1);
    clock.onSleep([&] {
        clock.onSleep(nullptr);
        writer.QueuePacket(second);
    });
    writer.QueuePacket(first);
    writer.Start();
    ASSERT_TRUE(channel.waitForBytes(40));
    writer.Stop();
    EXPECT_EQ(channel.pieces(), (std::vector<QByteArray>{first, second}));
}

TEST_F(WriterFixture, FailedWritesReportLossPerPieceAndTheRestStillGoes) {
    channel.failWrite(1);
    channel.failWrite(2);
    writer.SetRate(500); // 100-byte pieces
    queueBytes(400);
    writer.Start();
    ASSERT_TRUE(channel.waitForAttempts(4));
    writer.Stop();
    EXPECT_EQ(channel.pieceSizes(), (std::vector<qsizetype>{100, 100}));
    EXPECT_EQ(sink.withNumber(MainMsg::LinkState),
              (std::vector<PostedMessage>{{MainMsg::LinkState, LinkStateValue::WriteFailed, 0},
                                          {MainMsg::LinkState, LinkStateValue::WriteFailed, 0}}));
}

TEST_F(WriterFixture, BatchTakenWhileDisconnectedIsDiscarded) {
    channel.setConnected(false);
    queueBytes(50);
    writer.Start();
    // The writer takes the batch; wait until the queue is empty, then reconnect and check nothing was sent.
    for (int i = 0; i < 1000 && writer.QueuedSize() != 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(writer.QueuedSize(), 0u);
    channel.setConnected(true);
    queueBytes(10);
    ASSERT_TRUE(channel.waitForBytes(10));
    writer.Stop();
    EXPECT_EQ(channel.pieceSizes(), std::vector<qsizetype>{10});
}

TEST_F(WriterFixture, PurgeCommandRemovesOnlyThatCommand) {
    const QByteArray update1 = BuildPacket(cmScreenUpdate, 1, 1, QByteArray(100, 'a'));
    const QByteArray stop = BuildPacket(cmStopSharing, 1, 1);
    const QByteArray update2 = BuildPacket(cmScreenUpdate, 1, 1, QByteArray(3, 'b'));
    const QByteArray chat = BuildPacket(cmChat, 1, 1, QByteArray(10, 'c'));

    writer.QueuePacket(update1);
    writer.QueuePacket(update2);
    writer.PurgeCommand(cmScreenUpdate);
    EXPECT_EQ(writer.QueuedSize(), 0u);

    writer.QueuePacket(stop);
    writer.QueuePacket(chat);
    writer.PurgeCommand(cmScreenUpdate);
    EXPECT_EQ(writer.QueuedSize(), std::size_t(stop.size() + chat.size()));

    writer.QueuePacket(update1);
    writer.QueuePacket(update2);
    writer.PurgeCommand(cmScreenUpdate);
    writer.SetRate(1'000'000);
    writer.Start();
    ASSERT_TRUE(channel.waitForBytes(std::size_t(stop.size() + chat.size())));
    writer.Stop();
    EXPECT_EQ(channel.written(), stop + chat);
}

TEST_F(WriterFixture, ConcurrentSendersNeverInterleavePackets) {
    constexpr int kThreads = 8, kPerThread = 150;
    writer.SetRate(50'000'000);
    writer.Start();
    std::vector<std::thread> senders;
    for (int t = 0; t < kThreads; ++t) {
        senders.emplace_back([&, t] {
            for (int i = 0; i < kPerThread; ++i) {
                // Header and payload appended separately, as the senders do.
                TPacketHeader h;
                FillHeader(cmChat, std::uint16_t(t), std::uint16_t(i), h);
                const QByteArray payload(1 + (i * 37 + t) % 300, char('A' + t));
                h.DataSize = std::int32_t(payload.size());
                TQueueLock lock(writer);
                writer.Append(h.toByteArray());
                writer.Append(payload);
            }
        });
    }
    for (auto& s : senders)
        s.join();
    std::size_t expected = 0;
    for (int t = 0; t < kThreads; ++t)
        for (int i = 0; i < kPerThread; ++i)
            expected += 20 + std::size_t(1 + (i * 37 + t) % 300);
    ASSERT_TRUE(channel.waitForBytes(expected));
    writer.Stop();

    const QByteArray all = channel.written();
    std::vector<int> nextIndex(kThreads, 0);
    PayloadReader r(all);
    while (!r.atEnd()) {
        const QByteArray headerBytes = r.bytes(20);
        const auto h = TPacketHeader::decode(reinterpret_cast<const std::uint8_t*>(headerBytes.constData()));
        ASSERT_LT(h.UserId, kThreads);
        EXPECT_EQ(h.RoomId, nextIndex[h.UserId]++) << "packets of one sender stay in order";
        EXPECT_EQ(r.bytes(std::size_t(h.DataSize)), QByteArray(h.DataSize, char('A' + h.UserId)));
    }
    EXPECT_EQ(nextIndex, std::vector<int>(kThreads, kPerThread));
}

TEST(SessionLinkSpeed, ThirdOfTheDeclaredSpeed) {
    struct Case {
        std::int32_t speed, rate, chunk;
    } cases[] = {{3686, 1229, 245}, {65535, 21845, 4369}, {65536, 21845, 4369}, {14, 5, 1}, {0, 0, 0}};
    for (const auto& c : cases) {
        FakeChannel ch;
        RecordingSink sk;
        TPacketDispatcher dispatcher;
        QObject context;
        TSessionLink link(ch, dispatcher, sk, &context);
        link.StartWriter();
        link.SetConnectionSpeed(c.speed);
        EXPECT_EQ(link.Writer()->GetRate(), c.rate) << c.speed;
        EXPECT_EQ(link.Writer()->GetRate() / 5, c.chunk) << c.speed;
        EXPECT_EQ(link.OverflowSize(), c.rate);
        EXPECT_EQ(link.ConnectionSpeed(), c.speed);
    }
}

TEST(SessionLinkSend, DropsPacketsWhileDisconnected) {
    FakeChannel ch;
    RecordingSink sk;
    TPacketDispatcher dispatcher;
    QObject context;
    TSessionLink link(ch, dispatcher, sk, &context);
    EXPECT_FALSE(link.Send(BuildPacket(cmHeartbeat, 1, 1))) << "no writer yet";
    link.StartWriter();
    ch.setConnected(false);
    EXPECT_FALSE(link.Send(BuildPacket(cmHeartbeat, 1, 1)));
    EXPECT_EQ(link.Writer()->QueuedSize(), 0u);
}

} // namespace
} // namespace orv
