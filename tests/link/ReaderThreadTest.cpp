#include "link/LinkMessageIds.h"
#include "link/SessionLink.h"
#include "platform/MemoryChannel.h"
#include "protocol/PacketHeader.h"
#include "support/EventPump.h"
#include "support/Loopback.h"
#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv {
namespace {

using test::LoopbackPair;
using test::pumpUntil;
using test::RecordingSink;

QByteArray headerOnly(std::uint16_t command, std::int32_t dataSize) {
    TPacketHeader h;
    FillHeader(command, 9, 1, h);
    h.DataSize = dataSize;
    return h.toByteArray();
}

struct Seen {
    TPacketHeader header;
    QByteArray stream;
};

// A live session link over a real loopback connection, with handlers that record what they see.
struct ReaderFixture : ::testing::Test {
    LoopbackPair pair;
    RecordingSink sink;
    TPacketDispatcher dispatcher;
    QObject mainContext;
    TSessionLink link{pair.client, dispatcher, sink, &mainContext};
    std::vector<Seen> seen;

    void recordAll(std::initializer_list<TCommandCode> codes) {
        dispatcher.RegisterHandler(codes, [this](const TIncomingPacket& p) {
            seen.push_back({dispatcher.CurrentHeader(), dispatcher.CurrentPacket().toByteArray()});
            EXPECT_EQ(p.stream.data(), dispatcher.CurrentPacket().data());
        });
    }
    std::size_t lossReports() { return sink.withNumber(MainMsg::LinkState).size(); }
};

TEST_F(ReaderFixture, PacketsAreHandledInOrderAndUnknownCodesAreSkippedWhole) {
    recordAll({cmChat, cmRoomList});
    link.StartReader();
    pair.peerWrite(BuildPacket(47, 3, 1, QByteArray(33, 'u')) + BuildPacket(cmChat, 4, 1, "first") +
                   headerOnly(cmRoomList, -7) + BuildPacket(cmChat, 5, 1, "second"));
    ASSERT_TRUE(pumpUntil([&] { return seen.size() == 3; }));
    EXPECT_EQ(seen[0].header.UserId, 4);
    EXPECT_EQ(seen[0].stream.mid(20), "first");
    EXPECT_EQ(seen[1].header.Command, cmRoomList);
    EXPECT_EQ(seen[1].stream.size(), 20) << "negative DataSize: header only";
    EXPECT_EQ(seen[2].header.UserId, 5);
    EXPECT_EQ(seen[2].stream.mid(20), "second");
    link.StopReader();
}

TEST_F(ReaderFixture, HandlerErrorsAndShortPayloadsDoNotStopTheReader) {
    int calls = 0;
    dispatcher.RegisterHandler({cmRoomInfo}, [&](const TIncomingPacket& p) {
        ++calls;
        auto r = p.payload();
        r.skip(1418); // a room record the packet does not hold
    });
    dispatcher.RegisterHandler({cmProbe}, [&](const TIncomingPacket&) {
        ++calls;
        throw std::runtime_error("handler failure");
    });
    recordAll({cmChat});
    link.StartReader();
    pair.peerWrite(BuildPacket(cmRoomInfo, 1, 1, "short") + BuildPacket(cmProbe, 1, 1) +
                   BuildPacket(cmChat, 1, 1, "ok"));
    ASSERT_TRUE(pumpUntil([&] { return seen.size() == 1; }));
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(seen[0].stream.mid(20), "ok");
    EXPECT_EQ(lossReports(), 0u);
    link.StopReader();
}

TEST_F(ReaderFixture, ServerCloseIsReportedExactlyOnce) {
    link.StartReader();
    pair.peerClose();
    ASSERT_TRUE(pumpUntil([&] { return lossReports() == 1; }));
    link.StopReader();
    EXPECT_EQ(sink.withNumber(MainMsg::LinkState),
              (std::vector<test::PostedMessage>{{MainMsg::LinkState, LinkStateValue::ReaderEnded, 0}}));
}

TEST_F(ReaderFixture, OversizedDataSizeClosesTheConnectionWithoutAllocating) {
    recordAll({cmChat});
    link.StartReader();
    pair.peerWrite(headerOnly(cmChat, 0x7FFFFFFF) + BuildPacket(cmChat, 1, 1, "never"));
    ASSERT_TRUE(pumpUntil([&] { return lossReports() == 1; }));
    EXPECT_FALSE(pair.client.isConnected());
    EXPECT_TRUE(seen.empty());
    link.StopReader();
    EXPECT_EQ(lossReports(), 1u);
}

TEST_F(ReaderFixture, StopWhileTheReaderWaitsOnTheMainThreadDoesNotDeadlock) {
    recordAll({cmChat});
    link.StartReader();
    pair.peerWrite(BuildPacket(cmChat, 1, 1, "pending"));
    // Give the reader time to reach the hand-over without running the main loop; then stop it from here.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    link.StopReader();
    EXPECT_FALSE(link.ReaderRunning());
    pumpUntil([] { return false; }, 50);
    EXPECT_TRUE(seen.empty()) << "an abandoned hand-over never runs later";
    EXPECT_EQ(lossReports(), 1u);
}

TEST_F(ReaderFixture, HandlerMayStopTheReaderFromInside) {
    QByteArray keptPayload;
    dispatcher.RegisterHandler({cmDuplicateSignIn}, [&](const TIncomingPacket& p) {
        link.StopReader();
        keptPayload = p.stream.sliced(20).toByteArray(); // the packet stays valid for the rest of the handler
    });
    link.StartReader();
    pair.peerWrite(BuildPacket(cmDuplicateSignIn, 1, 1, "bye"));
    ASSERT_TRUE(pumpUntil([&] { return !link.ReaderRunning(); }));
    EXPECT_EQ(keptPayload, "bye");
    EXPECT_EQ(lossReports(), 1u);
}

TEST_F(ReaderFixture, AHandlerThatStopsTheReaderDropsTheRestOfItsBatch) {
    int stops = 0;
    dispatcher.RegisterHandler({cmDuplicateSignIn}, [&](const TIncomingPacket&) {
        ++stops;
        link.StopReader();
    });
    recordAll({cmChat});
    link.StartReader();
    // One write: the reader takes all three packets in one read, so they travel in one batch.
    pair.peerWrite(BuildPacket(cmChat, 1, 1, "before") + BuildPacket(cmDuplicateSignIn, 1, 1) +
                   BuildPacket(cmChat, 1, 1, "after"));
    ASSERT_TRUE(pumpUntil([&] { return !link.ReaderRunning(); }));
    pumpUntil([] { return false; }, 50);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].stream.mid(20), "before");
    EXPECT_EQ(stops, 1);
}

TEST(PacketSource, CutsPacketsWhateverPiecesTheyArriveInAndRefusesSizesAboveTheLimit) {
    const QByteArray stream = BuildPacket(cmChat, 1, 1, "one") + headerOnly(cmChat, -3) +
                              BuildPacket(cmChat, 2, 1, QByteArray(11, 'p'));
    for (std::size_t chunk = 1; chunk <= std::size_t(stream.size()); ++chunk) {
        MemoryChannel channel(reinterpret_cast<const std::uint8_t*>(stream.constData()),
                              std::size_t(stream.size()));
        channel.setChunk(chunk);
        TPacketSource source(channel, 11);
        std::vector<QByteArray> packets;
        TPacketBatch batch;
        while (source.ReadBatch(batch) == TReadResult::Packet) {
            for (std::size_t i = 0; i < batch.size(); ++i)
                packets.push_back(batch[i].toByteArray());
        }
        ASSERT_EQ(packets.size(), 3u) << "pieces of " << chunk;
        EXPECT_EQ(packets[0].mid(20), "one");
        EXPECT_EQ(packets[1].size(), 20) << "negative DataSize: header only";
        EXPECT_EQ(packets[2].size(), 31);
    }

    const QByteArray tooLarge = headerOnly(cmChat, 12) + QByteArray(12, 'p');
    MemoryChannel channel(reinterpret_cast<const std::uint8_t*>(tooLarge.constData()),
                          std::size_t(tooLarge.size()));
    channel.setChunk(20);
    TPacketSource source(channel, 11);
    TPacketBatch batch;
    EXPECT_EQ(source.ReadBatch(batch), TReadResult::Oversized) << "refused on its header, before its payload";
    EXPECT_TRUE(batch.empty());
}

} // namespace
} // namespace orv
