// The codec catalogue against the installed codecs: every row's format is offered with the row's exact
// sizes, its codec compresses speech into blocks of exactly those sizes and back, and a missing codec makes
// the row unavailable.
#include "voice/CodecCatalogue.h"
#include "support/Prerequisites.h"
#include "voice/GsmCodec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

using namespace orv;
using namespace orv::test;

namespace {

// Short-time energies in 20 ms windows.
std::vector<double> Envelope(const std::vector<std::int16_t>& s, int rate) {
    const auto window = std::size_t(rate / 50);
    std::vector<double> e;
    for (std::size_t at = 0; at + window <= s.size(); at += window)
        e.push_back(std::sqrt(Power(s, at, at + window)));
    return e;
}

double Correlation(const std::vector<double>& a, const std::vector<double>& b, std::size_t lag) {
    const std::size_t n = std::min(a.size(), b.size() - lag);
    const double ma = std::accumulate(a.begin(), a.begin() + std::ptrdiff_t(n), 0.0) / double(n);
    const double mb =
        std::accumulate(b.begin() + std::ptrdiff_t(lag), b.begin() + std::ptrdiff_t(lag + n), 0.0) /
        double(n);
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ab += (a[i] - ma) * (b[i + lag] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i + lag] - mb) * (b[i + lag] - mb);
    }
    return ab / std::sqrt(aa * bb);
}

} // namespace

TEST(CodecCatalogue, EveryRowIsOfferedWithItsExactSizesAndExtraBytes) {
    for (int index = 0; index < kCodecCount; ++index) {
        SCOPED_TRACE(index);
        const CodecRow& row = CodecCatalogueRow(std::uint8_t(index));
        const auto format = MakeCodecFormat(std::uint8_t(index));
        ASSERT_TRUE(format);
        EXPECT_EQ(format->formatTag, row.formatTag);
        EXPECT_EQ(format->channels, 1);
        EXPECT_EQ(format->samplesPerSec, row.samplesPerSec);
        EXPECT_EQ(format->avgBytesPerSec, row.avgBytesPerSec);
        EXPECT_EQ(format->blockAlign, row.blockAlign);
        EXPECT_EQ(format->bitsPerSample, row.bitsPerSample);
        EXPECT_EQ(format->extra.size(), row.extraBytes);
        EXPECT_LE(format->size(), CodecRegistry::Installed().MaxFormatSize());

        // The codec itself keeps to the row: its blocks are the block alignment, and blocks per second
        // times the block size is the average rate.
        const auto encoder = CodecRegistry::Installed().NewEncoder(*format);
        ASSERT_TRUE(encoder);
        EXPECT_EQ(encoder->BlockSize(), row.blockAlign);
        EXPECT_EQ(std::uint64_t(row.blockAlign) * row.samplesPerSec,
                  std::uint64_t(row.avgBytesPerSec) * std::uint64_t(encoder->SamplesPerBlock()));
    }
    // The GSM format's extra bytes say 320 samples per block; the header says 0 bits per sample.
    EXPECT_EQ(MakeCodecFormat(0)->encode().toHex(), "31000100401f000059060000410000000200"
                                                    "4001");
}

TEST(CodecCatalogue, IndexesPastTheCatalogueGiveGsmUnderAnUnknownName) {
    for (const int index : {8, 9, 255}) {
        EXPECT_EQ(MakeCodecFormat(std::uint8_t(index)), MakeCodecFormat(0)) << index;
        EXPECT_EQ(CodecName(std::uint8_t(index)), "Unknown Compressor") << index;
    }
    EXPECT_EQ(CodecName(0), "GSM 6.10 - 8 KHz, 8 bit, 1.6 KB/s (Orvane Default)");
    EXPECT_EQ(CodecName(7), "Speex - 32 KHz, 16 bit, 3.7 KB/s");
}

TEST(CodecCatalogue, FillCodecListLeavesExactlyTheTextsInIndexOrder) {
    QStringList list{"left over", "from before"};
    FillCodecList(list);
    ASSERT_EQ(list.size(), kCodecCount);
    for (int index = 0; index < kCodecCount; ++index)
        EXPECT_EQ(list[index], CodecName(std::uint8_t(index)));
}

TEST(CodecCatalogue, AMissingCodecMakesItsRowsUnavailable) {
    CodecRegistry gsmOnly;
    gsmOnly.Add(std::make_unique<GsmDriver>());
    EXPECT_TRUE(MakeCodecFormat(0, gsmOnly));
    for (int index = 1; index < kCodecCount; ++index)
        EXPECT_FALSE(MakeCodecFormat(std::uint8_t(index), gsmOnly)) << index;

    const CodecRegistry none;
    EXPECT_EQ(none.MaxFormatSize(), 0u);
    EXPECT_FALSE(MakeCodecFormat(0, none));
}

TEST(CodecCatalogue, MatchingNeedsEveryHeaderFieldAndTakesTheDriversExtraBytes) {
    const CodecFormat gsm = *MakeCodecFormat(0);
    CodecFormat wanted = gsm;
    wanted.extra.assign(2, 0);
    MatchInstalledFormat(wanted);
    EXPECT_EQ(wanted, gsm) << "the driver's own extra bytes replace the caller's";

    struct Change {
        const char* field;
        void (*apply)(CodecFormat&);
    } changes[] = {
        {"tag", [](CodecFormat& f) { f.formatTag = kWaveFormatSpeexVoice; }},
        {"channels", [](CodecFormat& f) { f.channels = 2; }},
        {"rate", [](CodecFormat& f) { f.samplesPerSec = 11025; }},
        {"average", [](CodecFormat& f) { f.avgBytesPerSec = 1624; }},
        {"block", [](CodecFormat& f) { f.blockAlign = 64; }},
        {"bits", [](CodecFormat& f) { f.bitsPerSample = 8; }},
    };
    for (const Change& c : changes) {
        CodecFormat f = gsm;
        c.apply(f);
        try {
            MatchInstalledFormat(f);
            ADD_FAILURE() << c.field << " changed and still matched";
        } catch (const EInvalidFormat& e) {
            EXPECT_STREQ(e.what(), "Invalid Format details");
        }
        EXPECT_FALSE(CodecRegistry::Installed().NewDecoder(f)) << c.field;
    }
}

TEST(CodecCatalogue, FormatBlocksReadBackAndRefuseToBeCutShort) {
    const QByteArray bytes = MakeCodecFormat(4)->encode();
    ASSERT_EQ(bytes.size(), 18 + 14);
    PayloadReader whole(bytes);
    EXPECT_EQ(CodecFormat::decode(whole), *MakeCodecFormat(4));
    EXPECT_TRUE(whole.atEnd());
    for (const qsizetype cut : {qsizetype(0), qsizetype(17), bytes.size() - 1}) {
        const QByteArray cutBytes = bytes.left(cut);
        PayloadReader shortened(cutBytes);
        EXPECT_THROW(CodecFormat::decode(shortened), EPayloadError) << cut;
    }
}

TEST(CodecCatalogue, EveryRowCompressesSpeechIntoWholeBlocksAndBack) {
    for (int index = 0; index < kCodecCount; ++index) {
        SCOPED_TRACE(index);
        const CodecFormat format = *MakeCodecFormat(std::uint8_t(index));
        ToolCheck tools;
        const std::vector<std::int16_t> speech = Speech(int(format.samplesPerSec), tools);
        ORV_ASSERT_TOOLS_RAN(tools);
        const auto encoder = CodecRegistry::Installed().NewEncoder(format);
        const auto decoder = CodecRegistry::Installed().NewDecoder(format);
        const auto n = std::size_t(encoder->SamplesPerBlock());
        const std::size_t blocks = speech.size() / n;

        std::vector<std::int16_t> decoded(blocks * n);
        std::vector<std::uint8_t> block(format.blockAlign);
        for (std::size_t b = 0; b < blocks; ++b) {
            encoder->Encode(std::span(speech).subspan(b * n, n), block);
            EXPECT_TRUE(decoder->Decode(block, std::span(decoded).subspan(b * n, n))) << "block " << b;
        }
        ASSERT_GT(blocks, 0u);
        EXPECT_EQ(decoded.size(), blocks * n);

        // What comes back is the same speech: its loudness follows the original's, 20 ms by 20 ms (allowing
        // the codec's delay), at about the same level.
        const auto original = Envelope(speech, int(format.samplesPerSec));
        const auto back = Envelope(decoded, int(format.samplesPerSec));
        double best = 0;
        for (std::size_t lag = 0; lag < 3; ++lag)
            best = std::max(best, Correlation(original, back, lag));
        EXPECT_GT(best, 0.9);
        const double level = Decibels(Power(decoded, 0, decoded.size()) / Power(speech, 0, decoded.size()));
        EXPECT_NEAR(level, 0, 3);
    }
}
