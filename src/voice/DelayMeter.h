#pragma once
// The input audio delay meter: how long a word takes from the network to the loudspeakers, judged from the
// longest playback queue. Each queued block is about half a second.

#include <QString>

#include <cstdint>

namespace orv {

struct TDelayReading {
    double seconds = 0;
    int percent = 0; // of the bar's scale, which ends at 7 seconds
    QString text;    // "3.5 sec."
};

TDelayReading ReadDelay(int longestQueue);

// The playback queue length a room record or a remote request gives, clamped to what a player can hold.
std::uint8_t ClampQueueLength(std::int32_t value);

} // namespace orv
