#include "voice/GsmCodec.h"

#include <gsm.h>

#include <algorithm>
#include <array>

namespace orv {
namespace {

constexpr int kFrameSamples = 160;
constexpr int kBlockSamples = 2 * kFrameSamples;
constexpr int kBlockSize = 65;
// In WAV form the first frame takes 32.5 bytes: the encoder writes the second frame from byte 32 (sharing
// that byte), the decoder reads it from byte 33.
constexpr int kSecondFrameEncoded = 32;
constexpr int kSecondFrameDecoded = 33;

CodecFormat GsmFormat() {
    return {.formatTag = kWaveFormatGsm610,
            .channels = 1,
            .samplesPerSec = 8000,
            .avgBytesPerSec = 1625,
            .blockAlign = kBlockSize,
            .bitsPerSample = 0,
            .extra = {std::uint8_t(kBlockSamples & 0xFF), std::uint8_t(kBlockSamples >> 8)}};
}

// One libgsm state in WAV form.
class GsmState {
public:
    GsmState() : m_gsm(gsm_create()) {
        int on = 1;
        gsm_option(m_gsm, GSM_OPT_WAV49, &on);
    }
    ~GsmState() { gsm_destroy(m_gsm); }
    GsmState(const GsmState&) = delete;
    GsmState& operator=(const GsmState&) = delete;
    gsm get() const { return m_gsm; }

private:
    gsm m_gsm;
};

class GsmEncoder final : public IBlockEncoder {
public:
    int SamplesPerBlock() const override { return kBlockSamples; }
    int BlockSize() const override { return kBlockSize; }
    void Encode(std::span<const std::int16_t> pcm, std::span<std::uint8_t> block) override {
        std::array<gsm_signal, kBlockSamples> samples;
        std::copy_n(pcm.begin(), kBlockSamples, samples.begin());
        gsm_encode(m_state.get(), samples.data(), block.data());
        gsm_encode(m_state.get(), samples.data() + kFrameSamples, block.data() + kSecondFrameEncoded);
    }

private:
    GsmState m_state;
};

class GsmDecoder final : public IBlockDecoder {
public:
    int SamplesPerBlock() const override { return kBlockSamples; }
    int BlockSize() const override { return kBlockSize; }
    bool Decode(std::span<const std::uint8_t> block, std::span<std::int16_t> pcm) override {
        std::array<gsm_byte, kBlockSize> bytes;
        std::copy_n(block.begin(), kBlockSize, bytes.begin());
        const bool first = gsm_decode(m_state.get(), bytes.data(), pcm.data()) == 0;
        const bool second =
            gsm_decode(m_state.get(), bytes.data() + kSecondFrameDecoded, pcm.data() + kFrameSamples) == 0;
        return first && second;
    }

private:
    GsmState m_state;
};

bool Offered(const CodecFormat& format) {
    return GsmFormat().SameHeader(format);
}

} // namespace

std::vector<CodecFormat> GsmDriver::Formats() const {
    return {GsmFormat()};
}

std::unique_ptr<IBlockEncoder> GsmDriver::NewEncoder(const CodecFormat& format) const {
    return Offered(format) ? std::make_unique<GsmEncoder>() : nullptr;
}

std::unique_ptr<IBlockDecoder> GsmDriver::NewDecoder(const CodecFormat& format) const {
    return Offered(format) ? std::make_unique<GsmDecoder>() : nullptr;
}

} // namespace orv
