#pragma once
// GSM 6.10 through libgsm in its WAV form (GSM_OPT_WAV49): 8 kHz, 65-byte blocks that each hold two frames
// of 160 samples. The format's two extra bytes are the samples per block, 320.

#include "voice/CodecRegistry.h"

namespace orv {

class GsmDriver final : public ICodecDriver {
public:
    QString Name() const override { return QStringLiteral("GSM 6.10 (libgsm)"); }
    std::vector<CodecFormat> Formats() const override;
    std::unique_ptr<IBlockEncoder> NewEncoder(const CodecFormat& format) const override;
    std::unique_ptr<IBlockDecoder> NewDecoder(const CodecFormat& format) const override;
};

} // namespace orv
