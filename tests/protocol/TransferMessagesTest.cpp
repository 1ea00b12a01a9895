#include "protocol/TransferMessages.h"
#include "protocol/WireFormat.h"
#include "support/QtPrinters.h"
#include "support/RecordImage.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::put;
using test::putValue;

TEST(TransferMessages, ResourceRecordReadsEveryFieldAtItsOffsetAndWritesTheSameImage) {
    QByteArray image(773, '\0');
    putValue<std::int32_t>(image, 0, 41);
    put(image, 4, "Plan.DOC");
    put(image, 205, "/home/tess/Docs/Plan.DOC");
    putValue<std::int32_t>(image, 406, 123456);
    put(image, 410, ".DOC");
    put(image, 431, "draft");
    put(image, 632, "Tess Marlowe");
    putValue<double>(image, 761, 45678.5);
    putValue<std::int32_t>(image, 769, 12);

    PayloadReader reader(image);
    TResourceRecord record;
    record.readFrom(reader);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(record.ResourceId(), 41);
    EXPECT_EQ(record.FileName(), "Plan.DOC");
    EXPECT_EQ(record.LocalPath(), "/home/tess/Docs/Plan.DOC");
    EXPECT_EQ(record.FileSize(), 123456);
    EXPECT_EQ(record.FileExt(), ".DOC");
    EXPECT_EQ(record.Description(), "draft");
    EXPECT_EQ(record.OwnerName(), "Tess Marlowe");
    EXPECT_EQ(record.Uploaded(), 45678.5);
    EXPECT_EQ(record.ItemCount(), 12);

    TResourceRecord built;
    built.SetResourceId(41);
    built.SetFileName("Plan.DOC");
    built.SetLocalPath("/home/tess/Docs/Plan.DOC");
    built.SetFileSize(123456);
    built.SetFileExt(".DOC");
    built.SetDescription("draft");
    built.SetOwnerName("Tess Marlowe");
    built.SetUploaded(45678.5);
    built.SetItemCount(12);
    EXPECT_EQ(built.toByteArray(), image);
}

TEST(TransferMessages, EachKindHasItsRequestAndReplyCodes) {
    const struct {
        TTransferKind kind;
        std::uint16_t upload;
        std::optional<std::uint16_t> download;
        std::uint16_t reply;
    } kinds[] = {
        {tkDocument, 16, 19, 17}, {tkLibraryImage, 22, 21, 23},           {tkWebLink, 25, std::nullopt, 25},
        {tkPicture, 34, 35, 34},  {tkPresentation, 50, std::nullopt, 52}, {tkSlide, 51, 54, 51},
    };
    for (const auto& k : kinds) {
        EXPECT_EQ(UploadCommand(k.kind), k.upload) << k.kind;
        EXPECT_EQ(DownloadCommand(k.kind), k.download) << k.kind;
        EXPECT_EQ(UploadReplyCommand(k.kind), k.reply) << k.kind;
        EXPECT_EQ(UploadKindOf(k.upload), k.kind);
        if (k.download)
            EXPECT_EQ(DownloadKindOf(*k.download), k.kind);
    }
    for (std::int32_t notAKind : {-1, 6, 1000}) {
        EXPECT_EQ(UploadCommand(notAKind), std::nullopt);
        EXPECT_EQ(DownloadCommand(notAKind), std::nullopt);
    }
    EXPECT_EQ(UploadKindOf(cmDownloadDocument), std::nullopt);
    EXPECT_EQ(DownloadKindOf(cmUploadDocument), std::nullopt);
    EXPECT_EQ(DownloadKindOf(cmEnterRoom), std::nullopt);
}

TEST(TransferMessages, DownloadRequestCarriesTheNamePathAndDescriptionAndZerosElsewhere) {
    const TTransferRequest request =
        MakeDownloadRequest(tkPicture, 7, 100, "12.jpg", "/tmp/u/12.jpg", "face");
    const QByteArray bytes = request.encode();
    ASSERT_EQ(bytes.size(), 793);
    const TPacketHeader header = TPacketHeader::decode(bytes);
    EXPECT_EQ(header.Command, 35);
    EXPECT_EQ(header.UserId, 7);
    EXPECT_EQ(header.RoomId, 100);
    EXPECT_EQ(header.DataSize, 773);
    EXPECT_EQ(header.ResultCode, 0);

    QByteArray expected(773, '\0');
    putValue<std::int32_t>(expected, 0, -1);
    put(expected, 4, "12.jpg");
    put(expected, 205, "/tmp/u/12.jpg");
    put(expected, 431, "face");
    EXPECT_EQ(bytes.mid(20), expected);

    PayloadReader reader(bytes);
    const TTransferRequest decoded = TTransferRequest::decode(reader);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(decoded.header, header);
    EXPECT_EQ(decoded.record, request.record);
}

TEST(TransferMessages, UploadRequestDeclaresTheRecordAndTheFile) {
    TResourceRecord record;
    record.SetFileName("Plan.DOC");
    record.SetFileSize(5000);
    const TTransferRequest request = MakeUploadRequest(tkDocument, 3, 0x1234, record);
    EXPECT_EQ(request.header.Command, cmUploadDocument);
    EXPECT_EQ(request.header.UserId, 3);
    EXPECT_EQ(request.header.RoomId, 0x1234);
    EXPECT_EQ(request.header.DataSize, 773 + 5000);
    EXPECT_EQ(request.encode().size(), 793) << "the file bytes are streamed after the request";
    QByteArray truncated = request.encode().left(792);
    PayloadReader reader(truncated);
    EXPECT_THROW(TTransferRequest::decode(reader), EPayloadError);
}

TEST(TransferMessages, ContentSizeHoldsOnlyWhenTheRecordAndTheFileFitTheDataSize) {
    const struct {
        std::int32_t dataSize;
        std::int32_t fileSize;
        std::optional<std::int32_t> content;
    } cases[] = {
        {773, 0, 0},
        {773 + 10, 10, 10},
        {773 + 10, 4, 4}, // bytes after the file are not the file's
        {773 + 10, 11, std::nullopt},
        {773, -1, std::nullopt},
        {772, 0, std::nullopt},
        {0, 0, std::nullopt},
        {-5, 0, std::nullopt},
        {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max(), std::nullopt},
        {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max() - 773,
         std::numeric_limits<std::int32_t>::max() - 773},
    };
    for (const auto& c : cases) {
        TPacketHeader header;
        header.DataSize = c.dataSize;
        TResourceRecord record;
        record.SetFileSize(c.fileSize);
        EXPECT_EQ(ContentSize(header, record), c.content) << c.dataSize << " " << c.fileSize;
    }
    EXPECT_EQ(kMaxTransferFileSize, std::numeric_limits<std::int32_t>::max() - 773);
}

} // namespace
} // namespace orv
