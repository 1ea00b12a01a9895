#pragma once
// The virtual-key codes push-to-talk is set up with (the settings store them), from the keys of the X server
// and of Qt's key events.

#include <cstdint>

namespace orv {

namespace VirtualKey {
constexpr std::int32_t Shift = 16;
constexpr std::int32_t Control = 17;
constexpr std::int32_t Menu = 18; // Alt
constexpr std::int32_t Escape = 27;
constexpr std::int32_t Space = 32;
constexpr std::int32_t F1 = 0x70;
constexpr std::int32_t F3 = 0x72;
} // namespace VirtualKey

// 0 for a key without a code here. Left and right modifier keys share one code.
std::int32_t VirtualKeyFromKeySym(unsigned long keysym);
std::int32_t VirtualKeyFromQtKey(int qtKey);

} // namespace orv
