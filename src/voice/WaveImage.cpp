#include "voice/WaveImage.h"

#include <cstring>

namespace orv {
namespace {

bool TagIs(PayloadReader& reader, const char* tag) {
    std::uint8_t bytes[4];
    reader.copyTo(bytes, 4);
    return std::memcmp(bytes, tag, 4) == 0;
}

} // namespace

std::optional<TWaveImage> ReadWaveImage(QByteArrayView image) {
    try {
        PayloadReader reader(image);
        if (!TagIs(reader, "RIFF"))
            return std::nullopt;
        reader.u32(); // the RIFF size; the image's own length is what counts
        if (!TagIs(reader, "WAVE"))
            return std::nullopt;
        std::optional<CodecFormat> format;
        while (reader.remaining() >= 8) {
            std::uint8_t tag[4];
            reader.copyTo(tag, 4);
            const std::uint32_t size = reader.u32();
            if (size > reader.remaining())
                return std::nullopt;
            const std::size_t start = image.size() - reader.remaining();
            if (std::memcmp(tag, "fmt ", 4) == 0) {
                PayloadReader chunk(image.sliced(qsizetype(start), qsizetype(size)));
                format = CodecFormat::decode(chunk);
            } else if (std::memcmp(tag, "data", 4) == 0) {
                if (!format || format->blockAlign == 0 || format->samplesPerSec == 0 || format->channels != 1)
                    return std::nullopt;
                const std::size_t whole = size - size % format->blockAlign;
                return TWaveImage{*format, image.sliced(qsizetype(start), qsizetype(whole)).toByteArray()};
            }
            reader.skip(size + (size & 1) <= reader.remaining() ? size + (size & 1) : size);
        }
    } catch (const EPayloadError&) {
    }
    return std::nullopt;
}

} // namespace orv
