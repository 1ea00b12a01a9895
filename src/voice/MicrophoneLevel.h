#pragma once
// The microphone's loudness as a level meter shows it: the loudest sample of a stretch on a decibel scale,
// 0 at kFloorDb and below, 100 at full scale, so that speech moves the middle of the meter rather than its
// first tenth. The tracker cuts the captured signal into stretches by their sample count, not by the time
// they arrive, so the same signal always gives the same readings.

#include <cstdint>
#include <functional>
#include <span>

namespace orv {

// The quietest peak the meter shows above 0, in dB below full scale.
inline constexpr double kMeterFloorDb = -60.0;

// 0..100.
int MicrophoneLevel(std::span<const std::int16_t> samples);

class TLevelTracker {
public:
    static constexpr int kStretchMs = 50;

    explicit TLevelTracker(int sampleRate);

    // Feeds captured samples; `report` gets the level of each stretch they complete.
    void Feed(std::span<const std::int16_t> samples, const std::function<void(int)>& report);

private:
    std::size_t m_stretch;
    std::size_t m_count = 0;
    int m_peak = 0;
};

} // namespace orv
