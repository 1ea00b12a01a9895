#pragma once
// Plays recorded packets at their recorded pace. Each gap between two stamps is added to a schedule that
// started at a base tick, so time spent handling packets does not add up into drift. A gap over 10 s is not
// waited for, nor is a stamp earlier than its predecessor's. After a pause, a seek or buffering the schedule
// starts again from the next packet.

#include "platform/Clock.h"

#include <cstdint>

namespace orv {

class TPlaybackPacer {
public:
    static constexpr std::int64_t kLongestGapMs = 10000;

    explicit TPlaybackPacer(IClock& clock) : m_clock(clock) {}

    // The next packet plays at once and becomes the schedule's new start.
    void Rebase() { m_based = false; }

    // Milliseconds still to wait, from now, before playing a packet with this stamp; records it as played
    // at its scheduled time.
    std::uint32_t Schedule(double stamp);

    // The milliseconds from one day-count stamp to another.
    static std::int64_t GapMs(double from, double to);

private:
    IClock& m_clock;
    bool m_based = false;
    std::uint32_t m_baseTick = 0;
    std::int64_t m_scheduledMs = 0; // since the base tick
    double m_previousStamp = 0;
};

} // namespace orv
