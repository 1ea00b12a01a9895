#pragma once
// The pointer as the host sends it: its image drawn at the top-left corner of a 32 x 32 picture filled with
// 0xE8E8E8 (which viewers take as transparent), as PNG, behind the record of its top-left corner.

#include "protocol/AppShareMessages.h"

#include <QImage>

#include <optional>

namespace orv {

class IDesktopAccess;

inline constexpr int kCursorSide = 32;
inline constexpr QRgb kCursorBackground = 0xFFE8E8E8;

// The record and image of the pointer as it is now; none when the desktop cannot tell.
std::optional<TCursorMessage> BuildCursorRecord(IDesktopAccess& desktop);

// Viewer: the 32 x 32 image with its background transparent (the colour of its bottom-left pixel); null when
// the PNG cannot be read.
QImage DecodeCursorImage(const QByteArray& png);

} // namespace orv
