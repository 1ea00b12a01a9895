// The board sharing messages byte for byte, and what a peer's counts may not make them read.
#include "protocol/BoardSharingMessages.h"
#include "protocol/CommandCatalogue.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

template <typename Message> Message Decode(const QByteArray& payload) {
    PayloadReader reader(payload);
    return Message::decode(reader);
}

TEST(BoardSharingMessages, TextPacketCarriesTheRecordAndAZeroEndedUtf16Block) {
    TBoardTextMessage m;
    m.board = 2;
    m.record.SetBoard(2);
    m.record.SetLeft(10);
    m.record.SetTop(20);
    m.record.SetRight(110);
    m.record.SetBottom(60);
    m.record.SetFontName("Arial");
    m.record.SetFontSize(12);
    m.record.SetFontColor(0x000000FF);
    m.text = "Hi";
    const QByteArray payload = m.encode();
    ASSERT_EQ(payload.size(), 176) << "DataSize = 169 + c";
    EXPECT_EQ(payload.mid(0, 4), QByteArray::fromHex("02000000"));
    EXPECT_EQ(payload.mid(4, 20), QByteArray::fromHex("02000000"
                                                      "0a000000"
                                                      "14000000"
                                                      "6e000000"
                                                      "3c000000"));
    EXPECT_EQ(payload.mid(24, 6), QByteArray("\x05"
                                             "Arial"));
    EXPECT_EQ(payload.mid(4 + 149, 8), QByteArray::fromHex("0c000000"
                                                           "ff000000"));
    EXPECT_EQ(payload.mid(4 + 161, 4), QByteArray::fromHex("07000000")) << "c = 2 x 2 + 3";
    EXPECT_EQ(payload.mid(169), QByteArray::fromHex("48006900000000"));

    const TBoardTextMessage back = Decode<TBoardTextMessage>(payload);
    EXPECT_EQ(back.text, "Hi");
    EXPECT_EQ(back.record.Right(), 110);
    EXPECT_EQ(back.record.FontName(), "Arial");

    // The count is checked against what the payload holds, whatever it says.
    for (const std::int32_t count : {8, -1, 0x7fffffff}) {
        QByteArray bad = payload;
        bad.replace(4 + 161, 4, QByteArray::fromRawData(reinterpret_cast<const char*>(&count), 4));
        EXPECT_THROW(Decode<TBoardTextMessage>(bad), EPayloadError) << count;
    }
}

TEST(BoardSharingMessages, ImagePacketIsBoardRecordAndJpegWithItsSizeChecked) {
    TBoardImageMessage m;
    m.board = 1;
    m.record.SetBoard(3);
    m.record.SetLeft(5);
    m.record.SetTop(6);
    m.record.SetRight(105);
    m.record.SetBottom(86);
    m.jpeg = QByteArray("\xff\xd8jpeg\xff\xd9");
    const QByteArray payload = m.encode();
    ASSERT_EQ(payload.size(), 28 + m.jpeg.size());
    EXPECT_EQ(payload.left(28), QByteArray::fromHex("01000000"
                                                    "03000000"
                                                    "05000000"
                                                    "06000000"
                                                    "69000000"
                                                    "56000000"
                                                    "08000000"));
    EXPECT_EQ(Decode<TBoardImageMessage>(payload).jpeg, m.jpeg);
    EXPECT_THROW(Decode<TBoardImageMessage>(payload.chopped(1)), EPayloadError);
}

TEST(BoardSharingMessages, SlideRequestIs777BytesAndTheAnswerCarriesFileSizeBytes) {
    TBoardPictureMessage request;
    request.board = 4;
    request.record.SetFileName("Slide_2.JPG");
    request.record.SetFileExt(".JPG");
    EXPECT_EQ(request.encode().size(), 777);
    EXPECT_EQ(request.encode().mid(9, 11), QByteArray("Slide_2.JPG"));

    TBoardPictureMessage answer = request;
    answer.jpeg = QByteArray(10, 'j');
    answer.record.SetFileSize(10);
    EXPECT_EQ(Decode<TBoardPictureMessage>(answer.encode()).jpeg, answer.jpeg);
    EXPECT_THROW(Decode<TBoardPictureMessage>(answer.encode().chopped(1)), EPayloadError);
    answer.record.SetFileSize(0);
    EXPECT_TRUE(Decode<TBoardPictureMessage>(answer.encode()).jpeg.isEmpty()) << "nothing to show";
}

TEST(BoardSharingMessages, PointerAndIndexMessages) {
    EXPECT_EQ((TPointerMessage{0x0102, 0x0304, 3, pkRight}.encode()),
              QByteArray::fromHex("0201040303000200"));
    const TPointerMessage p = Decode<TPointerMessage>(QByteArray::fromHex("0201040303000200"));
    EXPECT_EQ(p.x, 0x0102);
    EXPECT_EQ(p.kind, pkRight);
    EXPECT_EQ(TBoardIndexMessage{5}.encode(), QByteArray::fromHex("05000000"));
    EXPECT_EQ(TBoardAccessMessage{7}.encode(), QByteArray::fromHex("0700"));
}

TEST(BoardSharingMessages, HistoryWalksEmbeddedPacketsByTheirOwnSizeAndStopsOnABrokenOne) {
    const QByteArray history = EmbedPacket(cmClearBoard, 3, TBoardIndexMessage{2}.encode()) +
                               EmbedPacket(200, 3, QByteArray(5, 'x')) + // unknown: walked over all the same
                               EmbedPacket(cmClearBoard, 4, TBoardIndexMessage{2}.encode());
    TBoardHistoryWalker walker(history);
    std::vector<std::uint16_t> codes;
    while (const auto entry = walker.next())
        codes.push_back(entry->header.Command);
    EXPECT_EQ(codes, (std::vector<std::uint16_t>{cmClearBoard, 200, cmClearBoard}));
    EXPECT_FALSE(walker.broken());

    QByteArray cut = history;
    cut.chop(1); // the last one's DataSize now reaches past the end
    TBoardHistoryWalker cutWalker(cut);
    int count = 0;
    while (cutWalker.next())
        ++count;
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(cutWalker.broken());

    QByteArray negative = EmbedPacket(cmClearBoard, 3, {});
    negative.replace(14, 4, QByteArray::fromHex("ffffffff"));
    EXPECT_FALSE(TBoardHistoryWalker(negative).next());
}

} // namespace
} // namespace orv
