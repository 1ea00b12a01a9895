// The recording file reader over whole, cut, growing and damaged files, and the pacing of replayed packets.
#include "playback/RecordingReader.h"
#include "playback/PlaybackPacer.h"
#include "protocol/RoomMessages.h"
#include "protocol/WireFormat.h"
#include "support/FakeClock.h"
#include "tests/playback/RecordingFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::recorded;

std::vector<std::uint16_t> readAll(TRecordingReader& reader, std::int64_t available, TNextPacket& last) {
    std::vector<std::uint16_t> commands;
    while ((last = reader.Next(available, 0)) == TNextPacket::Packet)
        commands.push_back(reader.Header().Command);
    return commands;
}

TEST(RecordingReader, ReadsWholePacketsAndStopsAtCutDamagedOrUnwrittenBytes) {
    QTemporaryDir dir;
    const QByteArray good = test::recordingBytes(
        {recorded(cmChat, 0, "one"), recorded(cmChat, 1, "two"), recorded(cmParticipantList, 2)});
    const qsizetype secondEnd = 740 + 2 * 20 + 6;
    auto withSize = [&](std::int32_t size) {
        QByteArray b = good;
        b.replace(740 + 23 + 14, 4, wire::bytesOf(size)); // the second packet's DataSize
        return b;
    };
    QByteArray unwritten = good;
    unwritten.replace(740 + 23, 2, QByteArray(2, '\0')); // the second packet's command, still zero

    const struct Case {
        const char* what;
        QByteArray bytes;
        std::vector<std::uint16_t> commands;
        TNextPacket end;
    } cases[] = {
        {"whole", good, {cmChat, cmChat, cmParticipantList}, TNextPacket::NotYet},
        {"cut inside the third header", good.left(secondEnd + 7), {cmChat, cmChat}, TNextPacket::NotYet},
        {"cut inside a payload", good.left(secondEnd - 1), {cmChat}, TNextPacket::NotYet},
        {"negative DataSize", withSize(-40), {cmChat}, TNextPacket::End},
        {"DataSize beyond the cap", withSize(TRecordingReader::kMaxPayload + 1), {cmChat}, TNextPacket::End},
        {"command not written yet", unwritten, {cmChat}, TNextPacket::NotYet},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath("r.orvane");
        test::writeFile(path, c.bytes);
        TRecordingReader reader(path, true);
        TNextPacket last{};
        EXPECT_EQ(readAll(reader, c.bytes.size(), last), c.commands) << c.what;
        EXPECT_EQ(last, c.end) << c.what;
    }

    // A growing file: only published bytes are read, and the rest follows once written and published, whole
    // (the reader reads ahead, but never past what was published).
    const QString path = dir.filePath("growing.tmp");
    test::writeFile(path, good.left(secondEnd - 1));
    TRecordingReader reader(path, true);
    TNextPacket last{};
    EXPECT_EQ(readAll(reader, secondEnd - 1, last).size(), 1u);
    EXPECT_EQ(last, TNextPacket::NotYet);
    test::writeFile(path, good);
    ASSERT_EQ(reader.Next(good.size(), 0), TNextPacket::Packet);
    EXPECT_EQ(reader.Packet().mid(TPacketHeader::kSize), "two") << "the part read before is read again";
    EXPECT_EQ(readAll(reader, good.size(), last).size(), 1u);
    EXPECT_EQ(reader.Next(good.size(), good.size()), TNextPacket::End) << "the header's end is the end";
    const auto header = reader.ReadHeader(good.size());
    ASSERT_TRUE(header);
    EXPECT_EQ(header->PacketCount(), 3);
}

TEST(RecordingReader, TheRoomCodecComesFromARoomEntryReplyFirstPacket) {
    TRoomEntryReply reply;
    reply.room.SetAudioCodec(5);
    TRoomRecord room;
    room.SetAudioCodec(3);
    struct Case {
        const char* what;
        TRecordedPacket first;
        std::int32_t codec;
    } cases[] = {{"whole entry reply", recorded(cmEnterRoom, 0, reply.encode()), 5},
                 {"room record alone", recorded(cmEnterRoom, 0, room.toByteArray()), 3},
                 {"short entry reply", recorded(cmEnterRoom, 0, "xx"), 0},
                 {"another first packet", recorded(cmChat, 0, room.toByteArray()), 0}};
    for (const Case& c : cases) {
        const QByteArray stream = c.first.encode();
        TPacketHeader h = TPacketHeader::decode(QByteArrayView(stream));
        EXPECT_EQ(RoomCodecOf(h, stream), c.codec) << c.what;
    }
}

TEST(PlaybackPacer, WaitsTheRecordedGapsWithoutDriftAndSkipsLongOrBackwardGaps) {
    test::FakeClock clock;
    TPlaybackPacer pacer(clock);
    auto stamp = [](double seconds) { return 45000.0 + seconds / 86400.0; };
    EXPECT_EQ(pacer.Schedule(stamp(0)), 0u) << "the first packet plays at once";
    EXPECT_EQ(pacer.Schedule(stamp(2)), 2000u);
    clock.advance(2000 + 30); // the handler took 30 ms
    EXPECT_EQ(pacer.Schedule(stamp(3)), 970u) << "the time handling took is not added on top";
    clock.advance(970);
    EXPECT_EQ(pacer.Schedule(stamp(18)), 0u) << "15 s are not waited for";
    EXPECT_EQ(pacer.Schedule(stamp(17)), 0u) << "an earlier stamp plays at once";
    EXPECT_EQ(pacer.Schedule(stamp(17.5)), 500u);

    // Over a long recording the schedule stays on the recorded time.
    TPlaybackPacer steady(clock);
    const std::uint32_t start = clock.tickCount();
    for (int i = 0; i <= 100000; ++i) {
        const std::uint32_t ms = steady.Schedule(stamp(i * 0.037));
        clock.advance(ms + (i % 3 == 0 ? 1 : 0)); // handlers take a little time now and then
    }
    EXPECT_NEAR(double(clock.tickCount() - start), 100000 * 37.0, 2.0);

    // After a pause the next packet starts a new schedule.
    steady.Rebase();
    clock.advance(60000);
    EXPECT_EQ(steady.Schedule(stamp(100000 * 0.037 + 1)), 0u);
    EXPECT_EQ(steady.Schedule(stamp(100000 * 0.037 + 2)), 1000u);
}

} // namespace
} // namespace orv
