#pragma once
// Speex through libspeex at a constant bit rate: narrowband (8 kHz), wideband (16 kHz) and ultra-wideband
// (32 kHz) formats whose quality fixes the bits of every frame. Where a block holds two frames they are
// packed bit after bit into it, as one Speex packet of two frames.
//
// The format's 14 extra bytes, little-endian 16-bit values: samples per block, band (0 narrow, 1 wide,
// 2 ultra-wide), quality, frames per block, samples per frame, complexity, variable bit rate (0).

#include "voice/CodecRegistry.h"

namespace orv {

class SpeexDriver final : public ICodecDriver {
public:
    QString Name() const override { return QStringLiteral("Speex (libspeex)"); }
    std::vector<CodecFormat> Formats() const override;
    std::unique_ptr<IBlockEncoder> NewEncoder(const CodecFormat& format) const override;
    std::unique_ptr<IBlockDecoder> NewDecoder(const CodecFormat& format) const override;
};

} // namespace orv
