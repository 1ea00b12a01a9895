// Arbitrary bytes as a codec format block followed by compressed voice, as a format or a voice frame read
// from the network would arrive: the format is read and matched against the installed codecs, and the
// rest is decoded block by block by the codec it names. Nothing may read or write out of bounds.
#include "voice/CodecRegistry.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orv::PayloadReader reader(data, size);
    orv::CodecFormat format;
    try {
        format = orv::CodecFormat::decode(reader);
    } catch (const orv::EPayloadError&) {
        return 0;
    }
    orv::CodecFormat matched = format;
    try {
        orv::MatchInstalledFormat(matched);
    } catch (const orv::EInvalidFormat&) {
    }
    const auto decoder = orv::CodecRegistry::Installed().NewDecoder(format);
    if (!decoder)
        return 0;
    const auto blockSize = std::size_t(decoder->BlockSize());
    std::vector<std::int16_t> pcm(std::size_t(decoder->SamplesPerBlock()));
    for (std::size_t at = reader.position(); at + blockSize <= size; at += blockSize)
        decoder->Decode({data + at, blockSize}, pcm);
    return 0;
}
