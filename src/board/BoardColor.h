#pragma once
// Board colours: records and board state keep 0x00BBGGRR, the images hold 0xAARRGGBB pixels.

#include "session/ColorText.h"

#include <QRgb>

namespace orv {

constexpr TColor kBoardWhite = 0x00FFFFFF;
constexpr TColor kBoardBlack = 0x00000000;

constexpr QRgb ToPixel(TColor color) {
    return 0xFF000000u | (color & 0xFFu) << 16 | (color & 0xFF00u) | (color >> 16 & 0xFFu);
}

constexpr TColor FromPixel(QRgb pixel) {
    return (pixel >> 16 & 0xFFu) | (pixel & 0xFF00u) | (pixel & 0xFFu) << 16;
}

} // namespace orv
