#include "voice/SpeexCodec.h"

#include <speex/speex.h>

#include <algorithm>
#include <array>
#include <optional>

namespace orv {
namespace {

// One format: the band and quality fix the bits of a frame; the frames of a block fill it exactly.
struct SpeexVariant {
    int band; // 0 narrow, 1 wide, 2 ultra-wide
    int quality;
    int framesPerBlock;
    std::uint32_t samplesPerSec;
    std::uint32_t avgBytesPerSec;
    std::uint16_t blockAlign;
};

constexpr std::array<SpeexVariant, 7> kVariants = {{
    {0, 5, 2, 8000, 1375, 55},   // 220 bits a frame
    {1, 4, 1, 16000, 1600, 32},  // 256 bits
    {1, 5, 1, 16000, 2100, 42},  // 336 bits
    {1, 8, 2, 16000, 3475, 139}, // 556 bits
    {2, 4, 2, 32000, 1825, 73},  // 292 bits
    {2, 6, 1, 32000, 2800, 56},  // 448 bits
    {2, 8, 1, 32000, 3700, 74},  // 592 bits
}};
constexpr int kComplexity = 3;
constexpr int kMaxBlockSamples = 2 * 640;

int FrameSamples(const SpeexVariant& v) {
    return 160 << v.band;
}

const SpeexMode* ModeOf(const SpeexVariant& v) {
    return v.band == 0 ? &speex_nb_mode : v.band == 1 ? &speex_wb_mode : &speex_uwb_mode;
}

CodecFormat FormatOf(const SpeexVariant& v) {
    CodecFormat f{.formatTag = kWaveFormatSpeexVoice,
                  .channels = 1,
                  .samplesPerSec = v.samplesPerSec,
                  .avgBytesPerSec = v.avgBytesPerSec,
                  .blockAlign = v.blockAlign,
                  .bitsPerSample = 16,
                  .extra = {}};
    for (const int value : {FrameSamples(v) * v.framesPerBlock, v.band, v.quality, v.framesPerBlock,
                            FrameSamples(v), kComplexity, 0}) {
        f.extra.push_back(std::uint8_t(value & 0xFF));
        f.extra.push_back(std::uint8_t(value >> 8));
    }
    return f;
}

std::optional<SpeexVariant> VariantOf(const CodecFormat& format) {
    for (const SpeexVariant& v : kVariants)
        if (FormatOf(v).SameHeader(format))
            return v;
    return std::nullopt;
}

class SpeexBitsHolder {
public:
    SpeexBitsHolder() { speex_bits_init(&m_bits); }
    ~SpeexBitsHolder() { speex_bits_destroy(&m_bits); }
    SpeexBitsHolder(const SpeexBitsHolder&) = delete;
    SpeexBitsHolder& operator=(const SpeexBitsHolder&) = delete;
    SpeexBits* get() { return &m_bits; }

private:
    SpeexBits m_bits;
};

class SpeexEncoder final : public IBlockEncoder {
public:
    explicit SpeexEncoder(const SpeexVariant& v) : m_variant(v), m_state(speex_encoder_init(ModeOf(v))) {
        int quality = v.quality;
        int complexity = kComplexity;
        speex_encoder_ctl(m_state, SPEEX_SET_QUALITY, &quality);
        speex_encoder_ctl(m_state, SPEEX_SET_COMPLEXITY, &complexity);
    }
    ~SpeexEncoder() override { speex_encoder_destroy(m_state); }
    SpeexEncoder(const SpeexEncoder&) = delete;
    SpeexEncoder& operator=(const SpeexEncoder&) = delete;

    int SamplesPerBlock() const override { return FrameSamples(m_variant) * m_variant.framesPerBlock; }
    int BlockSize() const override { return m_variant.blockAlign; }
    void Encode(std::span<const std::int16_t> pcm, std::span<std::uint8_t> block) override {
        std::array<spx_int16_t, kMaxBlockSamples> samples;
        std::copy_n(pcm.begin(), SamplesPerBlock(), samples.begin());
        speex_bits_reset(m_bits.get());
        for (int frame = 0; frame < m_variant.framesPerBlock; ++frame)
            speex_encode_int(m_state, samples.data() + frame * FrameSamples(m_variant), m_bits.get());
        std::fill(block.begin(), block.end(), std::uint8_t(0));
        speex_bits_write(m_bits.get(), reinterpret_cast<char*>(block.data()), BlockSize());
    }

private:
    SpeexVariant m_variant;
    void* m_state;
    SpeexBitsHolder m_bits;
};

class SpeexDecoder final : public IBlockDecoder {
public:
    explicit SpeexDecoder(const SpeexVariant& v) : m_variant(v), m_state(speex_decoder_init(ModeOf(v))) {}
    ~SpeexDecoder() override { speex_decoder_destroy(m_state); }
    SpeexDecoder(const SpeexDecoder&) = delete;
    SpeexDecoder& operator=(const SpeexDecoder&) = delete;

    int SamplesPerBlock() const override { return FrameSamples(m_variant) * m_variant.framesPerBlock; }
    int BlockSize() const override { return m_variant.blockAlign; }
    bool Decode(std::span<const std::uint8_t> block, std::span<std::int16_t> pcm) override {
        std::array<char, 256> bytes{};
        std::copy_n(block.begin(), BlockSize(), bytes.begin());
        speex_bits_read_from(m_bits.get(), bytes.data(), BlockSize());
        bool valid = true;
        for (int frame = 0; frame < m_variant.framesPerBlock; ++frame) {
            spx_int16_t* out = pcm.data() + frame * FrameSamples(m_variant);
            // After a bad frame the rest of the block cannot be trusted: conceal it as lost.
            if (valid)
                valid = speex_decode_int(m_state, m_bits.get(), out) == 0 &&
                        speex_bits_remaining(m_bits.get()) >= 0;
            if (!valid)
                speex_decode_int(m_state, nullptr, out);
        }
        return valid;
    }

private:
    SpeexVariant m_variant;
    void* m_state;
    SpeexBitsHolder m_bits;
};

} // namespace

std::vector<CodecFormat> SpeexDriver::Formats() const {
    std::vector<CodecFormat> formats;
    for (const SpeexVariant& v : kVariants)
        formats.push_back(FormatOf(v));
    return formats;
}

std::unique_ptr<IBlockEncoder> SpeexDriver::NewEncoder(const CodecFormat& format) const {
    const auto v = VariantOf(format);
    return v ? std::make_unique<SpeexEncoder>(*v) : nullptr;
}

std::unique_ptr<IBlockDecoder> SpeexDriver::NewDecoder(const CodecFormat& format) const {
    const auto v = VariantOf(format);
    return v ? std::make_unique<SpeexDecoder>(*v) : nullptr;
}

} // namespace orv
