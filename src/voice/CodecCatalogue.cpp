#include "voice/CodecCatalogue.h"

#include <array>

namespace orv {
namespace {
constexpr std::array<const char*, kCodecCount> kNames = {
    "GSM 6.10 - 8 KHz, 8 bit, 1.6 KB/s (Orvane Default)",
    "Speex - 8 KHz, 16 bit, 1.3 KB/s",
    "Speex - 16 KHz, 16 bit, 1.6 KB/s",
    "Speex - 16 KHz, 16 bit, 2.1 KB/s",
    "Speex - 16 KHz, 16 bit, 3.4 KB/s",
    "Speex - 32 KHz, 16 bit, 1.8 KB/s",
    "Speex - 32 KHz, 16 bit, 2.8 KB/s",
    "Speex - 32 KHz, 16 bit, 3.7 KB/s",
};
} // namespace

QString CodecDisplayName(std::int32_t codec) {
    const auto index = std::uint8_t(codec & 0xFF);
    return index < kCodecCount ? QString::fromLatin1(kNames[index]) : QStringLiteral("Unknown Compressor");
}

QStringList CodecDisplayNames() {
    QStringList names;
    for (const char* name : kNames)
        names << QString::fromLatin1(name);
    return names;
}

} // namespace orv
