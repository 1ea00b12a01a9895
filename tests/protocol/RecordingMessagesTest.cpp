#include "protocol/RecordingMessages.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/WireFormat.h"
#include "support/QtPrinters.h"
#include "support/RecordImage.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::put;
using test::putValue;

TEST(RecordingMessages, HeaderReadsEveryFieldAtItsOffsetAndKeepsTheBytesItDoesNotInterpret) {
    QByteArray image(740, '\0');
    putValue<std::int32_t>(image, 0, 17);
    put(image, 4, "Optics");
    putValue<double>(image, 205, 45678.25);
    putValue<double>(image, 213, 45679.5);
    putValue<std::int32_t>(image, 221, -3);
    putValue<std::int32_t>(image, 225, 123456);
    put(image, 229, "Lenses and mirrors");
    putValue<std::int32_t>(image, 480, 999);
    image[600] = 'x'; // reserved tail

    PayloadReader reader(image);
    const TRecordedSessionHeader h = TRecordedSessionHeader::decode(reader);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(h.SessionId(), 17);
    EXPECT_EQ(h.Title(), "Optics");
    EXPECT_EQ(h.Recorded(), 45678.25);
    EXPECT_EQ(h.SecondDate(), 45679.5);
    EXPECT_EQ(h.Reserved(), -3);
    EXPECT_EQ(h.TotalSize(), 123456);
    EXPECT_EQ(h.Description(), "Lenses and mirrors");
    EXPECT_EQ(h.PacketCount(), 999);
    EXPECT_EQ(h.toByteArray(), image);

    const TRecordedSessionHeader open = OpenRecordingRequest(17, 45000.5);
    QByteArray expected(740, '\0');
    putValue<std::int32_t>(expected, 0, 17);
    putValue<double>(expected, 205, 45000.5);
    putValue<double>(expected, 213, 45000.5);
    EXPECT_EQ(open.toByteArray(), expected);
}

TEST(RecordingMessages, RecorderCredentialsSitWhereTheSignInBlockHasThem) {
    TRecorderCredentials c;
    c.SetPassword("rec");
    c.SetUserName("recorder");
    QByteArray expected(64, '\0');
    put(expected, 2, "rec");
    put(expected, 13, "recorder");
    EXPECT_EQ(c.toByteArray(), expected);
}

TEST(RecordingMessages, ListIgnoresAPartialHeaderAndARecordedPacketNeverReadsPastItsPayload) {
    TRecordingList list;
    list.recordings.resize(2);
    list.recordings[1].SetTitle("second");
    QByteArray bytes = list.encode() + QByteArray(100, 'z');
    PayloadReader listReader(bytes);
    const TRecordingList back = TRecordingList::decode(listReader);
    ASSERT_EQ(back.recordings.size(), 2u);
    EXPECT_EQ(back.recordings[1].Title(), "second");

    TRecordedPacket packet;
    packet.header.Command = cmChat;
    packet.header.Stamp = 45000.25;
    packet.payload = "hello";
    const QByteArray wire = packet.encode();
    PayloadReader whole(wire);
    const TRecordedPacket decoded = TRecordedPacket::decode(whole);
    EXPECT_EQ(decoded.header.DataSize, 5);
    EXPECT_EQ(decoded.payload, "hello");

    struct Case {
        const char* what;
        std::int32_t dataSize;
    } cases[] = {{"negative size", -1}, {"more than follows", 6}};
    for (const Case& c : cases) {
        QByteArray broken = wire;
        broken.replace(14, 4, wire::bytesOf(c.dataSize));
        PayloadReader reader(broken);
        EXPECT_THROW(TRecordedPacket::decode(reader), EPayloadError) << c.what;
    }
}

} // namespace
} // namespace orv
