// The video link's records byte for byte, the frame queue, and the throttle on a virtual clock.
#include "protocol/VideoMessages.h"
#include "support/FakeChannel.h"
#include "support/FakeClock.h"
#include "video/ThrottledChannel.h"
#include "video/VideoBuffer.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

TEST(VideoRecords, BytesOnTheWire) {
    TVideoFrame frame{{true, 0, 0x01020304}, QByteArray("abc")};
    EXPECT_EQ(frame.encode(), hex("01"
                                  "03000000"
                                  "00000000"
                                  "04030201") +
                                  "abc");

    TVideoJoin join;
    join.SetUserId(0x1234);
    join.signOn.SetPassword("pw");
    join.signOn.SetUserName("alice");
    join.room = 100;
    join.mode = TVideoJoin::Viewer;
    const QByteArray j = join.encode();
    ASSERT_EQ(j.size(), 70);
    EXPECT_EQ(j.left(5), hex("3412"
                             "02") +
                             "pw");
    EXPECT_EQ(j.mid(13, 6), QByteArray("\x05"
                                       "alice"));
    EXPECT_EQ(j.right(6), hex("6400"
                              "01000000"));
    PayloadReader reader(j);
    const TVideoJoin back = TVideoJoin::decode(reader);
    EXPECT_EQ(back.UserId(), 0x1234);
    EXPECT_EQ(back.signOn.UserName(), "alice");

    TVideoStreamDescription d;
    TBitmapInfoHeader h = TBitmapInfoHeader::Rgb24(160, 120);
    h.SetCompression(FourCC("WMV2"));
    d.SetHeader(h);
    d.SetFramesPerSecond(3);
    d.SetKeyFrameRate(7);
    const QByteArray b = d.toByteArray();
    EXPECT_EQ(b.mid(16, 4), QByteArray("WMV2"));
    EXPECT_EQ(b.mid(20, 4), hex("00e10000")) << "57600 bytes: 160 x 3 x 120";
    EXPECT_EQ(b.right(6), hex("0300"
                              "07000000"));
    const TVideoPortReply port{9913, 5};
    EXPECT_EQ(port.encode(), hex("b9260000"
                                 "05000000"));
}

TEST(VideoRecords, FrameCountMustMatchThePayload) {
    const struct {
        const char* name;
        QByteArray payload;
    } refused[] = {
        {"negative count", hex("01"
                               "ffffffff"
                               "00000000"
                               "00000000")},
        {"count beyond the payload", hex("01"
                                         "05000000"
                                         "00000000"
                                         "00000000") +
                                         "abc"},
        {"count short of the payload", hex("01"
                                           "01000000"
                                           "00000000"
                                           "00000000") +
                                           "abc"},
        {"short record", hex("01"
                             "00000000")},
    };
    for (const auto& c : refused) {
        PayloadReader reader(c.payload);
        EXPECT_THROW(TVideoFrame::decode(reader), EPayloadError) << c.name;
    }
}

TEST(VideoBuffer, FullQueueRejectsWithoutAdvancingTheCounter) {
    TeVideoBuffer queue(6);
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(queue.Add({false, QByteArray(1, char(i)), 0}));
    EXPECT_FALSE(queue.Add({true, "x", 0}));
    EXPECT_EQ(queue.Take()->sequence, 0);
    EXPECT_TRUE(queue.Add({true, "y", 0}));
    std::int32_t last = -1;
    while (auto f = queue.Take())
        last = f->sequence;
    EXPECT_EQ(last, 6) << "sequence numbers stay consecutive";
    EXPECT_FALSE(queue.Take().has_value());
}

TEST(ThrottledChannel, KeepsToTheRateOnTheVirtualClock) {
    test::FakeClock clock;
    test::FakeChannel inner;
    TThrottledChannel channel(inner, clock, 7168);
    const QByteArray block(7168 * 3, 'v');
    const std::uint32_t start = clock.tickCount();
    channel.writeAll(block.constData(), std::size_t(block.size()));
    const std::uint32_t elapsed = clock.tickCount() - start;
    EXPECT_EQ(inner.written().size(), block.size());
    // A quarter second's burst, then the rate: 3 s of data takes about 2.75 s.
    EXPECT_GE(elapsed, 2700u);
    EXPECT_LE(elapsed, 2800u);

    TThrottledChannel unlimited(inner, clock, 0);
    const std::uint32_t before = clock.tickCount();
    unlimited.writeAll(block.constData(), std::size_t(block.size()));
    EXPECT_EQ(clock.tickCount(), before);
}

} // namespace
} // namespace orv
