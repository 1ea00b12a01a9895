#pragma once
// The codecs installed in the program, each a driver that lists the formats it offers and compresses and
// decompresses them. Formats are found by their header fields; the first driver that offers one wins.

#include "voice/BlockCodec.h"
#include "voice/CodecFormat.h"

#include <QString>

#include <memory>
#include <stdexcept>
#include <vector>

namespace orv {

class ICodecDriver {
public:
    virtual ~ICodecDriver() = default;
    virtual QString Name() const = 0;
    // Every format the driver offers, each complete with its extra bytes.
    virtual std::vector<CodecFormat> Formats() const = 0;
    // Compressors for a format whose header matches one of Formats(); nullptr for any other.
    virtual std::unique_ptr<IBlockEncoder> NewEncoder(const CodecFormat& format) const = 0;
    virtual std::unique_ptr<IBlockDecoder> NewDecoder(const CodecFormat& format) const = 0;
};

// Raised when no installed driver offers a format.
class EInvalidFormat : public std::runtime_error {
public:
    EInvalidFormat();
};

class CodecRegistry {
public:
    // The codecs built into the program: GSM 6.10, then Speex.
    static const CodecRegistry& Installed();

    void Add(std::unique_ptr<ICodecDriver> driver);
    const std::vector<std::unique_ptr<ICodecDriver>>& Drivers() const { return m_drivers; }
    // The size of the largest format any driver offers; 0 without drivers.
    std::size_t MaxFormatSize() const;

    // Compressors from the first driver that offers the format; nullptr when none does.
    std::unique_ptr<IBlockEncoder> NewEncoder(const CodecFormat& format) const;
    std::unique_ptr<IBlockDecoder> NewDecoder(const CodecFormat& format) const;

private:
    std::vector<std::unique_ptr<ICodecDriver>> m_drivers;
};

// Replaces `format` with the complete format (extra bytes included) of the first driver offering one with
// the same header; raises EInvalidFormat when none does.
void MatchInstalledFormat(CodecFormat& format, const CodecRegistry& registry = CodecRegistry::Installed());

} // namespace orv
