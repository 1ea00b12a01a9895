#pragma once
// Compression by whole codec blocks: a block of `SamplesPerBlock` PCM samples (signed 16-bit mono) in,
// `BlockSize` bytes out, and back. Both keep state from block to block, as a stream.

#include <cstdint>
#include <span>

namespace orv {

class IBlockEncoder {
public:
    virtual ~IBlockEncoder() = default;
    virtual int SamplesPerBlock() const = 0;
    virtual int BlockSize() const = 0;
    // `pcm` holds SamplesPerBlock samples, `block` BlockSize bytes.
    virtual void Encode(std::span<const std::int16_t> pcm, std::span<std::uint8_t> block) = 0;
};

class IBlockDecoder {
public:
    virtual ~IBlockDecoder() = default;
    virtual int SamplesPerBlock() const = 0;
    virtual int BlockSize() const = 0;
    // Always fills `pcm`; false when the block was not a valid block of the codec (the samples are then
    // the codec's best guess or silence).
    virtual bool Decode(std::span<const std::uint8_t> block, std::span<std::int16_t> pcm) = 0;
};

} // namespace orv
