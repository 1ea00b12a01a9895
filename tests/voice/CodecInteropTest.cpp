// Our codecs against independent tools on the same speech: GSM blocks equal the data of sox's GSM WAV file
// and FFmpeg's own gsm_ms decoder decodes them as we do; Speex blocks equal speexenc's packets, and
// speexdec decodes them (wrapped in Ogg) as we do.
#include "support/OggSpeex.h"
#include "support/Prerequisites.h"
#include "voice/CodecCatalogue.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QtEndian>

using namespace orv;
using namespace orv::test;

namespace {

// A row's speech compressed by our encoder, block by block, and decoded again by our decoder.
struct Compressed {
    CodecFormat format;
    std::vector<std::int16_t> speech;
    std::vector<QByteArray> blocks;
    std::vector<std::int16_t> decoded;
};

Compressed Compress(int index, ToolCheck& tools) {
    Compressed c{*MakeCodecFormat(std::uint8_t(index)), {}, {}, {}};
    c.speech = Speech(int(c.format.samplesPerSec), tools);
    const auto encoder = CodecRegistry::Installed().NewEncoder(c.format);
    const auto decoder = CodecRegistry::Installed().NewDecoder(c.format);
    const auto n = std::size_t(encoder->SamplesPerBlock());
    for (std::size_t at = 0; at + n <= c.speech.size(); at += n) {
        QByteArray block(c.format.blockAlign, '\0');
        encoder->Encode(std::span(c.speech).subspan(at, n),
                        std::span(reinterpret_cast<std::uint8_t*>(block.data()), std::size_t(block.size())));
        c.blocks.push_back(block);
        std::vector<std::int16_t> pcm(n);
        decoder->Decode(
            std::span(reinterpret_cast<const std::uint8_t*>(block.constData()), std::size_t(block.size())),
            pcm);
        c.decoded.insert(c.decoded.end(), pcm.begin(), pcm.end());
    }
    return c;
}

// The body of a RIFF chunk of a WAV file; empty when there is none.
QByteArray WavChunk(const QByteArray& wav, const char* id) {
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const auto size = qsizetype(qFromLittleEndian<quint32>(wav.constData() + at + 4));
        if (wav.mid(at, 4) == id)
            return wav.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    return {};
}

QByteArray Wav(const CodecFormat& format, const QByteArray& data) {
    const QByteArray fmt = format.encode();
    QByteArray riff = "WAVEfmt ";
    const auto put32 = [](QByteArray& out, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 0xFF));
    };
    put32(riff, std::uint32_t(fmt.size()));
    riff += fmt + "data";
    put32(riff, std::uint32_t(data.size()));
    riff += data;
    QByteArray wav = "RIFF";
    put32(wav, std::uint32_t(riff.size()));
    return wav + riff;
}

std::uint16_t ExtraValue(const CodecFormat& f, int position) {
    return std::uint16_t(f.extra[std::size_t(2 * position)] | f.extra[std::size_t(2 * position + 1)] << 8);
}

} // namespace

TEST(CodecInterop, GsmBlocksEqualTheDataOfSoxsGsmWav) {
    ToolCheck tools;
    const Compressed ours = Compress(0, tools);
    ORV_ASSERT_TOOLS_RAN(tools);
    QTemporaryDir dir;
    WritePcm(dir.filePath("speech.raw"), ours.speech);
    RunTool("sox",
            {"-t", "raw", "-r", "8000", "-e", "signed-integer", "-b", "16", "-c", "1",
             dir.filePath("speech.raw"), "-e", "gsm-full-rate", dir.filePath("sox.wav")},
            tools);
    ORV_ASSERT_TOOLS_RAN(tools);
    const QByteArray wav = ReadAll(dir.filePath("sox.wav"));

    EXPECT_EQ(WavChunk(wav, "fmt ").toHex(), ours.format.encode().toHex()) << "the same format header";
    const QByteArray data = WavChunk(wav, "data");
    ASSERT_GE(data.size(), qsizetype(ours.blocks.size()) * 65);
    for (std::size_t b = 0; b < ours.blocks.size(); ++b)
        ASSERT_EQ(data.mid(qsizetype(b) * 65, 65).toHex(), ours.blocks[b].toHex()) << "block " << b;
}

TEST(CodecInterop, FfmpegsGsmDecoderDecodesOurBlocksAsWeDo) {
    ToolCheck tools;
    const Compressed ours = Compress(0, tools);
    ORV_ASSERT_TOOLS_RAN(tools);
    QByteArray data;
    for (const QByteArray& block : ours.blocks)
        data += block;
    QTemporaryDir dir;
    WriteAll(dir.filePath("ours.wav"), Wav(ours.format, data));
    RunTool("ffmpeg",
            {"-v", "error", "-y", "-c:a", "gsm_ms", "-i", dir.filePath("ours.wav"), "-f", "s16le", "-c:a",
             "pcm_s16le", dir.filePath("ffmpeg.raw")},
            tools);
    ORV_ASSERT_TOOLS_RAN(tools);
    const std::vector<std::int16_t> theirs = ReadPcm(dir.filePath("ffmpeg.raw"));
    ASSERT_EQ(theirs.size(), ours.decoded.size());
    EXPECT_TRUE(theirs == ours.decoded);
}

TEST(CodecInterop, SpeexBlocksEqualSpeexencPacketsAndSpeexdecDecodesThemAsWeDo) {
    for (int index = 1; index < kCodecCount; ++index) {
        SCOPED_TRACE(index);
        ToolCheck tools;
        const Compressed ours = Compress(index, tools);
        ORV_ASSERT_TOOLS_RAN(tools);
        const int band = ExtraValue(ours.format, 1);
        const int quality = ExtraValue(ours.format, 2);
        const int frames = ExtraValue(ours.format, 3);
        QTemporaryDir dir;
        WritePcm(dir.filePath("speech.raw"), ours.speech);
        RunTool("speexenc",
                {QStringList{"-n", "-w", "-u"}[band], "--quality", QString::number(quality), "--nframes",
                 QString::number(frames), "--rate", QString::number(ours.format.samplesPerSec), "--le",
                 "--16bit", dir.filePath("speech.raw"), dir.filePath("speexenc.spx")},
                tools);
        ORV_ASSERT_TOOLS_RAN(tools);

        // speexenc's packets after its two header packets: every whole one is our block.
        const std::vector<QByteArray> packets = ReadOggPackets(ReadAll(dir.filePath("speexenc.spx")));
        ASSERT_GE(packets.size(), ours.blocks.size() + 2);
        for (std::size_t b = 0; b < ours.blocks.size(); ++b)
            ASSERT_EQ(packets[b + 2].toHex(), ours.blocks[b].toHex()) << "block " << b;

        // Our blocks in an Ogg stream of our own: speexdec decodes them to what our decoder gives.
        WriteAll(dir.filePath("ours.spx"), WriteOggSpeex(ours.blocks, band, frames));
        RunTool("speexdec", {dir.filePath("ours.spx"), dir.filePath("speexdec.raw")}, tools);
        ORV_ASSERT_TOOLS_RAN(tools);
        const std::vector<std::int16_t> theirs = ReadPcm(dir.filePath("speexdec.raw"));
        ASSERT_FALSE(theirs.empty());
        ASSERT_LE(theirs.size(), ours.decoded.size());
        // speexdec leaves out the encoder's look-ahead at the start.
        const std::size_t skipped = ours.decoded.size() - theirs.size();
        EXPECT_LT(skipped, 160u << band);
        EXPECT_TRUE(std::equal(theirs.begin(), theirs.end(), ours.decoded.begin() + std::ptrdiff_t(skipped)))
            << "speexdec decodes differently";
    }
}
