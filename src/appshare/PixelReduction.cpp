#include "appshare/PixelReduction.h"

#include <array>
#include <cstdlib>
#include <limits>

namespace orv {

namespace {

// The sixteen colours of a four-bit display.
constexpr std::array<QRgb, 16> kSixteenColors = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

// Nearest of the sixteen for every colour at five bits a channel, built once.
const std::array<std::uint8_t, 32768>& SixteenColorTable() {
    static const auto table = [] {
        std::array<std::uint8_t, 32768> t{};
        for (int i = 0; i < 32768; ++i) {
            const int r = ((i >> 10) & 31) * 255 / 31, g = ((i >> 5) & 31) * 255 / 31,
                      b = (i & 31) * 255 / 31;
            int best = 0, bestDistance = std::numeric_limits<int>::max();
            for (int c = 0; c < 16; ++c) {
                const int dr = r - qRed(kSixteenColors[c]), dg = g - qGreen(kSixteenColors[c]),
                          db = b - qBlue(kSixteenColors[c]);
                const int distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = c;
                }
            }
            t[std::size_t(i)] = std::uint8_t(best);
        }
        return t;
    }();
    return table;
}

// A channel of `bits` bits expanded back to eight, so that white stays white.
constexpr std::uint32_t Expand(std::uint32_t value, int bits) {
    return (value * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1);
}

// Each eight-bit channel value reduced to its top `bits` bits and expanded back, for every value at once: a
// look-up per channel costs far less than the arithmetic per pixel.
template <int Bits> constexpr std::array<std::uint8_t, 256> ReducedChannel() {
    std::array<std::uint8_t, 256> t{};
    for (std::uint32_t v = 0; v < 256; ++v)
        t[v] = std::uint8_t(Expand(v >> (8 - Bits), Bits));
    return t;
}
constexpr auto kThreeBits = ReducedChannel<3>();
constexpr auto kTwoBits = ReducedChannel<2>();
constexpr auto kFiveBits = ReducedChannel<5>();
constexpr auto kSixBits = ReducedChannel<6>();

template <typename Map> void MapArea(QImage& picture, const QRect& area, Map map) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y)) + area.x();
        for (int x = 0; x < area.width(); ++x)
            line[x] = map(line[x]);
    }
}

} // namespace

void ReduceColors(QImage& picture, const QRect& wanted, std::int32_t pixelFormat) {
    const QRect area = wanted & picture.rect();
    if (area.isEmpty() || picture.format() != QImage::Format_RGB32)
        return;
    switch (pixelFormat) {
    case pfFourBit: {
        const auto& table = SixteenColorTable();
        MapArea(picture, area, [&table](QRgb c) {
            const std::uint32_t key = (c >> 9 & 0x7C00) | (c >> 6 & 0x03E0) | (c >> 3 & 0x001F);
            return 0xFF000000u | kSixteenColors[table[key]];
        });
        break;
    }
    case pfEightBit: // three bits of red and green, two of blue
        MapArea(picture, area, [](QRgb c) {
            return 0xFF000000u | std::uint32_t(kThreeBits[c >> 16 & 0xFF]) << 16 |
                   std::uint32_t(kThreeBits[c >> 8 & 0xFF]) << 8 | kTwoBits[c & 0xFF];
        });
        break;
    case pfSixteenBit: // five, six and five bits
        MapArea(picture, area, [](QRgb c) {
            return 0xFF000000u | std::uint32_t(kFiveBits[c >> 16 & 0xFF]) << 16 |
                   std::uint32_t(kSixBits[c >> 8 & 0xFF]) << 8 | kFiveBits[c & 0xFF];
        });
        break;
    default:
        MapArea(picture, area, [](QRgb c) { return c | 0xFF000000u; });
        break;
    }
}

} // namespace orv
