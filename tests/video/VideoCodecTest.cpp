// The codec over libavcodec: every code that can compress here round-trips a moving picture, one frame
// out per frame in, key frames at the set rate; the data-rate target; decompressor bounds.
#include "video/VideoCoDec.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace orv {
namespace {

// A bottom-up 24-bit picture with a box that moves with `n`.
QByteArray movingPicture(int w, int h, int n) {
    QImage img(w, h, QImage::Format_BGR888);
    img.fill(QColor(40, 120, 200));
    QPainter(&img).fillRect((n * 5) % (w - 20), h / 3, 20, 20, Qt::yellow);
    const auto row = TBitmapInfoHeader::RowBytes(w);
    QByteArray bits(qsizetype(row * h), '\0');
    for (int y = 0; y < h; ++y)
        std::memcpy(bits.data() + row * y, img.constScanLine(h - 1 - y), std::size_t(w) * 3);
    return bits;
}

TEST(VideoCoDec, EveryCompressorRoundTripsOneFramePerFrameWithKeyFramesAtTheSetRate) {
    const std::vector<std::uint32_t> codes = CompressorCodes();
    ASSERT_FALSE(codes.empty());
    EXPECT_TRUE(std::find(codes.begin(), codes.end(), kWMV2) != codes.end());
    for (const std::uint32_t code : codes) {
        SCOPED_TRACE(FourCCText(code).toStdString());
        constexpr int kKeyRate = 4;
        TVideoCoDec compressor;
        TBitmapInfoHeader input = TBitmapInfoHeader::Rgb24(160, 120);
        TBitmapInfoHeader output = input;
        output.SetCompression(code);
        ASSERT_TRUE(compressor.InitCompressor(input, output, 1000, kKeyRate));
        compressor.SetFramesInfo(7168, 1000000 / 3, 1);
        ASSERT_TRUE(compressor.CompressBegin());

        TVideoCoDec decompressor;
        TBitmapInfoHeader compressed = output;
        TBitmapInfoHeader picture;
        ASSERT_TRUE(decompressor.InitDecompressor(compressed, picture, 1000, kKeyRate));
        ASSERT_TRUE(decompressor.DecompressBegin());
        EXPECT_EQ(picture.SizeImage(), 160u * 3 * 120);

        for (int n = 0; n < 9; ++n) {
            const QByteArray source = movingPicture(160, 120, n);
            const TVideoCoDec::TCompressed frame = compressor.CompressFrame(QByteArrayView(source));
            ASSERT_FALSE(frame.bytes.isEmpty()) << "frame " << n;
            if (code != FourCC("MJPG"))
                EXPECT_EQ(frame.keyFrame, n % kKeyRate == 0) << "frame " << n;
            const QByteArray copy = frame.bytes.toByteArray();
            const QByteArrayView bits = decompressor.DecompressFrame(QByteArrayView(copy), frame.keyFrame);
            ASSERT_EQ(bits.size(), source.size()) << "frame " << n;
            // Lossy, but the picture is recognisably the same: mean absolute difference per byte.
            std::int64_t diff = 0;
            for (qsizetype i = 0; i < bits.size(); ++i)
                diff += std::abs(int(std::uint8_t(bits[i])) - int(std::uint8_t(source[i])));
            EXPECT_LT(diff / bits.size(), 24) << "frame " << n;
        }
    }
}

// After a lost frame the broadcast asks for a key frame at once, whatever the key frame rate.
TEST(VideoCoDec, AForcedKeyFrameComesNextAndOnlyOnce) {
    for (const std::uint32_t code : CompressorCodes()) {
        if (code == FourCC("MJPG"))
            continue; // every frame of it is a key frame
        SCOPED_TRACE(FourCCText(code).toStdString());
        TVideoCoDec compressor;
        TBitmapInfoHeader input = TBitmapInfoHeader::Rgb24(160, 120);
        TBitmapInfoHeader output = input;
        output.SetCompression(code);
        ASSERT_TRUE(compressor.InitCompressor(input, output, 1000, 100));
        ASSERT_TRUE(compressor.CompressBegin());
        std::vector<bool> keys;
        for (int n = 0; n < 5; ++n) {
            if (n == 2)
                compressor.ForceKeyFrame();
            const QByteArray source = movingPicture(160, 120, n);
            keys.push_back(compressor.CompressFrame(QByteArrayView(source)).keyFrame);
        }
        EXPECT_EQ(keys, (std::vector<bool>{true, false, true, false, false}));
    }
}

TEST(VideoCoDec, DataRateTargetBudgetAndBeforeBegin) {
    TVideoCoDec codec;
    TBitmapInfoHeader input = TBitmapInfoHeader::Rgb24(160, 120);
    TBitmapInfoHeader output = input;
    output.SetCompression(kWMV2);
    ASSERT_TRUE(codec.InitCompressor(input, output, 1000, 7));
    const QByteArray picture = movingPicture(160, 120, 0);
    EXPECT_TRUE(codec.CompressFrame(QByteArrayView(picture)).bytes.isEmpty()) << "no sequence begun";

    codec.SetFramesInfo(0, 1000000 / 3, 1);
    EXPECT_EQ(codec.BytesPerFrameTarget(), 0u);
    codec.SetFramesInfo(7168, 1000000 / 3, 1);
    EXPECT_EQ(codec.BytesPerFrameTarget(), 2389u);
    ASSERT_TRUE(codec.CompressBegin());
    codec.CompressFrame(QByteArrayView(picture));
    EXPECT_EQ(codec.LastFrameBudget(), 0xFFFFFFu) << "the first frame is never held back";
    codec.CompressFrame(QByteArrayView(movingPicture(160, 120, 1)));
    EXPECT_GE(codec.LastFrameBudget(), 2389u / 2);

    // A codec without data-rate control has no target and no budget.
    TVideoCoDec mjpeg;
    output.SetCompression(FourCC("MJPG"));
    ASSERT_TRUE(mjpeg.InitCompressor(input, output, 1000, 7));
    mjpeg.SetFramesInfo(7168, 1000000 / 3, 1);
    EXPECT_EQ(mjpeg.BytesPerFrameTarget(), 0u);
}

TEST(VideoCoDec, InstalledCodesTextsAndRefusedFormats) {
    EXPECT_FALSE(IsCodecInstalled(FourCC("wmv3"), TCodecRole::Decompress))
        << "no sequence header to open with";
    EXPECT_TRUE(IsCodecInstalled(FourCC("wmv2"), TCodecRole::Decompress));
    EXPECT_FALSE(IsCodecInstalled(kWMV3, TCodecRole::Compress));
    EXPECT_EQ(BroadcastCompressor(kWMV3), kWMV2);
    EXPECT_EQ(BroadcastCompressor(FourCC("XVID")), FourCC("XVID"));
    EXPECT_FALSE(IsCodecInstalled(FourCC("ZZZZ"), TCodecRole::Decompress));
    EXPECT_EQ(CodecErrorText(-8), "You don't have this video codec installed on your system.");
    EXPECT_EQ(CodecErrorText(12345), "A system compressor error occured.");

    TVideoCoDec codec;
    TBitmapInfoHeader output;
    for (const auto& [w, h] : {std::pair{0, 120}, {160, -1}, {kMaxVideoSide + 1, 120}, {160, 100000}}) {
        TBitmapInfoHeader compressed = TBitmapInfoHeader::Rgb24(160, 120);
        compressed.SetWidth(w);
        compressed.SetHeight(h);
        compressed.SetCompression(kWMV2);
        compressed.SetSizeImage(16); // a remote size field is never what the buffer is sized from
        EXPECT_FALSE(codec.InitDecompressor(compressed, output, 1000, 7)) << w << "x" << h;
        EXPECT_EQ(codec.LastError(), CodecError::BadImageSize);
    }
    QImage bitmap;
    EXPECT_FALSE(codec.DrawFrame(QByteArrayView("x"), true, nullptr));
    EXPECT_FALSE(codec.DrawFrame(QByteArrayView("x"), true, &bitmap));
}

TEST(VideoCoDec, AFrameOfAnotherSizeIsNotDrawn) {
    // Frames from a 320 x 240 stream handed to a decompressor set up for 160 x 120.
    TVideoCoDec big;
    TBitmapInfoHeader input = TBitmapInfoHeader::Rgb24(320, 240);
    TBitmapInfoHeader output = input;
    output.SetCompression(FourCC("XVID"));
    ASSERT_TRUE(big.InitCompressor(input, output, 1000, 7));
    ASSERT_TRUE(big.CompressBegin());
    const QByteArray frame =
        big.CompressFrame(QByteArrayView(movingPicture(320, 240, 0))).bytes.toByteArray();

    TVideoCoDec small;
    TBitmapInfoHeader compressed = TBitmapInfoHeader::Rgb24(160, 120);
    compressed.SetCompression(FourCC("XVID"));
    TBitmapInfoHeader picture;
    ASSERT_TRUE(small.InitDecompressor(compressed, picture, 1000, 7));
    ASSERT_TRUE(small.DecompressBegin());
    EXPECT_TRUE(small.DecompressFrame(QByteArrayView(frame), true).isEmpty());
    EXPECT_EQ(small.LastError(), CodecError::BadImageSize);
}

} // namespace
} // namespace orv
