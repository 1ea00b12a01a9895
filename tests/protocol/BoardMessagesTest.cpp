#include "protocol/BoardMessages.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

TBBItem sampleItem() {
    TBBItem item;
    item.SetBoard(2);
    item.SetKind(BoardKind::Rectangle);
    item.SetX1(0x0102);
    item.SetY1(0x0304);
    item.SetX2(0x0506);
    item.SetY2(0x0708);
    item.SetPenWidth(3);
    item.SetPenColor(0x00112233); // blue 0x11, green 0x22, red 0x33
    item.SetBrushStyle(BoardBrush::Cross);
    item.SetBrushColor(0x00AABBCC);
    return item;
}

TEST(BoardMessages, DrawingRecordIsTwentyPackedLittleEndianBytes) {
    EXPECT_EQ(sampleItem().toByteArray(), hex("0201"
                                              "0201"
                                              "0403"
                                              "0605"
                                              "0807"
                                              "03"
                                              "33221100" // PenColor at offset 11, red first
                                              "06"
                                              "ccbbaa00"));
}

TEST(BoardMessages, DrawingBatchIsTheBoardThenTheRecords) {
    TBoardDrawingBatch batch;
    batch.board = 2;
    TBBItem moveTo;
    moveTo.SetBoard(2);
    moveTo.SetKind(BoardKind::MoveTo);
    batch.items = {moveTo, sampleItem()};

    const QByteArray bytes = batch.encode();
    ASSERT_EQ(bytes.size(), 4 + 2 * 20);
    EXPECT_EQ(bytes.left(4), hex("02000000"));
    EXPECT_EQ(bytes.mid(4, 20), moveTo.toByteArray());
    EXPECT_EQ(bytes.mid(24), sampleItem().toByteArray());

    PayloadReader reader(bytes);
    const TBoardDrawingBatch back = TBoardDrawingBatch::decode(reader);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(back.board, 2);
    EXPECT_EQ(back.items, batch.items);
}

TEST(BoardMessages, ReadsWholeRecordsUntilThePayloadEnds) {
    const struct Case {
        QByteArray payload;
        std::int32_t board;
        std::size_t records;
    } cases[] = {
        {hex("ffffffff"), -1, 0},                             // a board index nothing bounds on the wire
        {hex("05000000") + sampleItem().toByteArray(), 5, 1}, //
        {hex("01000000") + QByteArray(39, '\x01'), 1, 1},     // a partial second record is ignored
        {hex("01000000") + QByteArray(19, '\x01'), 1, 0},     //
    };
    for (const Case& c : cases) {
        PayloadReader reader(c.payload);
        const TBoardDrawingBatch batch = TBoardDrawingBatch::decode(reader);
        EXPECT_EQ(batch.board, c.board) << c.payload.toHex().constData();
        EXPECT_EQ(batch.items.size(), c.records) << c.payload.toHex().constData();
    }
    for (const char* tooShort : {"", "010000"}) {
        PayloadReader reader(hex(tooShort));
        EXPECT_THROW(TBoardDrawingBatch::decode(reader), EPayloadError) << tooShort;
    }
}

} // namespace
} // namespace orv
