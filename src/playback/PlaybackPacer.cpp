#include "playback/PlaybackPacer.h"

#include <algorithm>
#include <cmath>

namespace orv {

std::int64_t TPlaybackPacer::GapMs(double from, double to) {
    const double ms = (to - from) * 86400000.0;
    if (!std::isfinite(ms))
        return 0;
    return std::llround(std::clamp(ms, -1e15, 1e15));
}

std::uint32_t TPlaybackPacer::Schedule(double stamp) {
    const std::uint32_t now = m_clock.tickCount();
    if (!m_based) {
        m_based = true;
        m_baseTick = now;
        m_scheduledMs = 0;
        m_previousStamp = stamp;
        return 0;
    }
    const std::int64_t gap = GapMs(m_previousStamp, stamp);
    m_previousStamp = stamp;
    if (gap > 0 && gap <= kLongestGapMs)
        m_scheduledMs += gap;
    const std::int64_t elapsed = ticksBetween(m_baseTick, now);
    const std::int64_t ahead = m_scheduledMs - elapsed;
    if (ahead <= 0) {
        // Behind schedule (slow handlers, a long gap skipped): a long lag is not made up in a burst.
        if (-ahead > kLongestGapMs) {
            m_baseTick = now;
            m_scheduledMs = 0;
        }
        return 0;
    }
    return std::uint32_t(ahead);
}

} // namespace orv
