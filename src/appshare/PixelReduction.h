#pragma once
// The colour depth of a sharing session: the snapshot's colours are reduced to it before the tiles are
// encoded, so a lower depth means fewer distinct colours and smaller PNGs. Values are those of the
// AppShare_PixelFormat setting (the bitmap pixel formats: 2 four bits, 3 eight bits, 5 sixteen bits,
// 7 thirty-two bits).

#include <QImage>
#include <QRect>

#include <cstdint>

namespace orv {

enum TSharePixelFormat : std::int32_t { pfFourBit = 2, pfEightBit = 3, pfSixteenBit = 5, pfThirtyTwoBit = 7 };

// Reduces the colours of an RGB32 picture's area in place; a format other than the four leaves them as
// they are (like thirty-two bits). The result stays RGB32, each colour expanded back to eight bits.
void ReduceColors(QImage& picture, const QRect& area, std::int32_t pixelFormat);

} // namespace orv
