#include "voice/MicrophoneLevel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orv {
namespace {

int PeakOf(std::span<const std::int16_t> samples) {
    int peak = 0;
    for (const std::int16_t s : samples)
        peak = std::max(peak, std::abs(int(s)));
    return peak;
}

int LevelOfPeak(int peak) {
    if (peak <= 0)
        return 0;
    const double db = 20 * std::log10(double(peak) / 32768.0);
    return int(std::clamp(std::lround((db - kMeterFloorDb) / -kMeterFloorDb * 100), 0L, 100L));
}

} // namespace

int MicrophoneLevel(std::span<const std::int16_t> samples) {
    return LevelOfPeak(PeakOf(samples));
}

TLevelTracker::TLevelTracker(int sampleRate)
    : m_stretch(std::size_t(std::max(1, sampleRate * kStretchMs / 1000))) {}

void TLevelTracker::Feed(std::span<const std::int16_t> samples, const std::function<void(int)>& report) {
    while (!samples.empty()) {
        const std::size_t take = std::min(samples.size(), m_stretch - m_count);
        m_peak = std::max(m_peak, PeakOf(samples.first(take)));
        m_count += take;
        samples = samples.subspan(take);
        if (m_count < m_stretch)
            break;
        if (report)
            report(LevelOfPeak(m_peak));
        m_count = 0;
        m_peak = 0;
    }
}

} // namespace orv
