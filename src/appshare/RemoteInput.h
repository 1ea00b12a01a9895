#pragma once
// Remote control: the viewer turns its mouse and key events into input records; the host replays them on
// its own desktop. Mouse positions travel as 0..65535 across the picture; key codes as Windows virtual keys.

#include "protocol/AppShareRecords.h"

#include <QPoint>
#include <QSize>

#include <cstdint>

namespace orv {

class IDesktopAccess;

// Viewer: round(65535 / side x position), for a position in a picture side pixels long.
std::int32_t AbsoluteFromPixel(double position, std::int32_t side);
// Host: min(side - 1, round(value x side / 65535)), never below 0; the exact inverse of the above at the
// original size.
std::int32_t PixelFromAbsolute(std::int32_t value, std::int32_t side);

// The X keysym of a Windows virtual key; 0 for one without.
std::uint32_t KeysymOfVirtualKey(std::uint8_t virtualKey);
// The Windows virtual key of a Qt key (Qt::Key); 0 for one without.
std::uint8_t VirtualKeyOfQtKey(int qtKey);

// Replays one record on the desktop whose screen has the given size: kind 0 a key, kind 1 mouse movement,
// buttons and wheel. Other kinds, and keys without a keysym, do nothing (false).
bool ReplayRemoteInput(const TRemoteInputRecord& record, IDesktopAccess& desktop, QSize screen);

} // namespace orv
