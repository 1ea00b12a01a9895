// The download of a recording from the server while the player is paused: it asks for no packets, and keeps
// the connection alive with heartbeats, since the server drops a connection that stays silent.
#include "platform/AppMessage.h"
#include "playback/AvailableBytes.h"
#include "playback/ServerRecordings.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/PacketHeader.h"
#include "support/FakeChannel.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(ServerDownload, APausedDownloadSendsHeartbeatsAndAsksForNoPackets) {
    QTemporaryDir dir;
    test::FakeChannel channel;
    TAvailableBytes available;
    NullMessageSink window;
    TSessionReaderThread download(channel, dir.filePath("r.orvane"), available, window, 0);
    download.SetKeepAlive(20);
    download.SetPaused(true);
    download.Start();
    ASSERT_TRUE(channel.waitForBytes(3 * TPacketHeader::kSize)) << "heartbeats while paused";
    download.Stop();
    for (const QByteArray& piece : channel.pieces()) {
        ASSERT_EQ(piece.size(), qsizetype(TPacketHeader::kSize));
        EXPECT_EQ(TPacketHeader::decode(QByteArrayView(piece)).Command, cmHeartbeat)
            << "no packet is asked for while paused";
    }
}

} // namespace
} // namespace orv
