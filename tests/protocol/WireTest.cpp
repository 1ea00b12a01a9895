#include "protocol/FixedRecord.h"
#include "protocol/PacketHeader.h"
#include "protocol/PayloadReader.h"
#include "protocol/Stamp.h"
#include "protocol/Windows1252.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(PacketHeader, EncodesFieldsLittleEndianWithoutGaps) {
    struct Case {
        TPacketHeader header;
        const char* hex;
    } cases[] = {
        {{2, 0, 0, 0.0, 0, 0}, "0200000000000000000000000000000000000000"},
        {{0x1234, 0xBEEF, 0x0102, 1.5, 0x01020304, 0xFFFF}, "3412efbe0201000000000000f83f04030201ffff"},
        {{75, 7, 5, 0.0, -1, 54}, "4b00070005000000000000000000ffffffff3600"},
    };
    for (const auto& c : cases) {
        const QByteArray bytes = c.header.toByteArray();
        ASSERT_EQ(bytes.size(), 20);
        EXPECT_EQ(bytes.toHex(), QByteArray(c.hex)) << "command " << c.header.Command;
        EXPECT_EQ(TPacketHeader::decode(reinterpret_cast<const std::uint8_t*>(bytes.constData())), c.header);
    }
}

TEST(PacketHeader, NegativeOrZeroDataSizeMeansNoPayload) {
    TPacketHeader h;
    h.DataSize = -5;
    EXPECT_EQ(h.payloadSize(), 0u);
    h.DataSize = 0;
    EXPECT_EQ(h.payloadSize(), 0u);
    h.DataSize = 7;
    EXPECT_EQ(h.payloadSize(), 7u);
}

TEST(PacketHeader, FillHeaderClearsSizesAndStampsNow) {
    TPacketHeader h{99, 1, 2, 0.0, 55, 66};
    const double before = stampNow();
    FillHeader(2, 7, 300, h);
    EXPECT_EQ(h.Command, 2);
    EXPECT_EQ(h.UserId, 7);
    EXPECT_EQ(h.RoomId, 300);
    EXPECT_EQ(h.DataSize, 0);
    EXPECT_EQ(h.ResultCode, 0);
    EXPECT_GE(h.Stamp, before);
    // A header-only packet is exactly the 20 header bytes.
    EXPECT_EQ(PacketToStream(h, nullptr, 0).size(), 20);
    const QByteArray withPayload = BuildPacket(11, 7, 300, QByteArray("abc"));
    EXPECT_EQ(withPayload.size(), 23);
    EXPECT_EQ(withPayload.right(3), "abc");
    EXPECT_EQ(TPacketHeader::decode(reinterpret_cast<const std::uint8_t*>(withPayload.constData())).DataSize,
              3);
}

TEST(Stamp, CountsDaysAndDayFractionFromTheEpoch) {
    struct Case {
        QDateTime local;
        double stamp;
    } cases[] = {
        {QDateTime(QDate(1899, 12, 30), QTime(0, 0)), 0.0},
        {QDateTime(QDate(1899, 12, 31), QTime(12, 0)), 1.5},
        {QDateTime(QDate(1900, 1, 1), QTime(6, 0)), 2.25},
        {QDateTime(QDate(2007, 7, 16), QTime(0, 0)), 39279.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(stampFromLocal(c.local), c.stamp) << c.local.toString().toStdString();
        EXPECT_EQ(localFromStamp(c.stamp), c.local);
    }
    const QDateTime withMs(QDate(2026, 12, 10), QTime(13, 45, 7, 123));
    EXPECT_EQ(localFromStamp(stampFromLocal(withMs)), withMs);
    EXPECT_FALSE(localFromStamp(std::numeric_limits<double>::quiet_NaN()).isValid());
}

TEST(ShortString, CutsOnWriteAndClampsOnRead) {
    std::uint8_t field[11];
    std::memset(field, 0xAA, sizeof field);
    wire::storeShortString(field, 10, "abcdefghijkl");
    EXPECT_EQ(field[0], 10);
    EXPECT_EQ(wire::loadShortString(field, 10), "abcdefghij");

    wire::storeShortString(field, 10, "hi");
    EXPECT_EQ(field[0], 2);
    for (int i = 3; i < 11; ++i)
        EXPECT_EQ(field[i], 0) << "tail byte " << i << " must be zero";

    std::uint8_t hostile[11] = {200, 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};
    EXPECT_EQ(wire::loadShortString(hostile, 10), "xxxxxxxxxx");
}

TEST(Windows1252, MapsBothWaysAndReplacesWhatItCannotHold) {
    const QString text = QStringLiteral("Caf\u00e9 \u20ac5 \u2013 \u0160");
    const QByteArray bytes = toWindows1252(text);
    EXPECT_EQ(bytes, QByteArray("Caf\xe9 \x80"
                                "5 \x96 \x8a"));
    EXPECT_EQ(fromWindows1252(bytes), text);
    EXPECT_EQ(toWindows1252(QStringLiteral("\u4e2d\U0001F600")), "??");
    // The five unassigned bytes survive a round trip.
    const QByteArray unassigned("\x81\x8d\x8f\x90\x9d");
    EXPECT_EQ(toWindows1252(fromWindows1252(unassigned)), unassigned);
}

TEST(PayloadReader, ReadsFieldsAndRefusesToPassTheEnd) {
    const QByteArray bytes = QByteArray::fromHex("0102030405060708") + QByteArray("\x03"
                                                                                  "abc",
                                                                                  4);
    PayloadReader r(bytes);
    EXPECT_EQ(r.u16(), 0x0201);
    EXPECT_EQ(r.i32(), 0x06050403);
    EXPECT_EQ(r.u8(), 7);
    EXPECT_EQ(r.u8(), 8);
    EXPECT_EQ(r.shortString(3), "abc");
    EXPECT_TRUE(r.atEnd());
    EXPECT_THROW(r.u8(), EPayloadError);
    EXPECT_THROW(r.seek(13), EPayloadError);

    PayloadReader huge(bytes);
    EXPECT_THROW(huge.skip(std::numeric_limits<std::size_t>::max()), EPayloadError);
    EXPECT_EQ(huge.position(), 0u);
}

TEST(FixedRecord, KeepsUnreadBytesAndTypedFields) {
    TFixedRecord<16> record;
    record.set<std::int32_t, 0>(-2);
    record.setText<4, 10>("name");
    EXPECT_EQ((record.get<std::int32_t, 0>()), -2);
    EXPECT_EQ((record.text<4, 10>()), "name");

    QByteArray image = record.toByteArray();
    image[15] = '\x7f'; // a byte no field covers
    TFixedRecord<16> copy;
    PayloadReader reader(image);
    copy.readFrom(reader);
    EXPECT_EQ(copy.toByteArray(), image);
}

} // namespace
} // namespace orv
