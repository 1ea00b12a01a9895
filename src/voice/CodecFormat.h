#pragma once
// A codec format block: the wave format header (tag, channels, rate, average bytes per second, block
// alignment, bits per sample, count of extra bytes) and the extra bytes its codec defines, little-endian
// without gaps.

#include "protocol/PayloadReader.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace orv {

constexpr std::uint16_t kWaveFormatPcm = 0x0001;
constexpr std::uint16_t kWaveFormatGsm610 = 0x0031;
constexpr std::uint16_t kWaveFormatSpeexVoice = 0xA109;

struct CodecFormat {
    static constexpr std::size_t kHeaderSize = 18;

    std::uint16_t formatTag = 0;
    std::uint16_t channels = 1;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<std::uint8_t> extra; // as many as the header's count says

    // The header and the extra bytes.
    QByteArray encode() const;
    // Reads a header and its extra bytes; throws EPayloadError when they are cut short.
    static CodecFormat decode(PayloadReader& reader);

    // Equal in every header field but the count of extra bytes: what makes two formats the same format.
    bool SameHeader(const CodecFormat& other) const;
    std::size_t size() const { return kHeaderSize + extra.size(); }

    friend bool operator==(const CodecFormat&, const CodecFormat&) = default;
};

// 16-bit mono PCM, which passes the components without a codec.
inline bool IsMonoPcm16(const CodecFormat& f) {
    return f.formatTag == kWaveFormatPcm && f.channels == 1 && f.bitsPerSample == 16 && f.blockAlign == 2 &&
           f.avgBytesPerSec == f.samplesPerSec * 2;
}

} // namespace orv
