#include "video/FrameGate.h"

#include <algorithm>
#include <utility>

namespace orv {

TFrameGate::TFrameGate(int framesPerSecond) : m_intervalUs(1000000 / std::max(1, framesPerSecond)) {}

bool TFrameGate::Admit(std::uint32_t nowMs, bool queueFull) {
    if (m_lastMs) {
        // Time since the last frame that took a slot, right across the counter's wrap-around.
        // A quarter of a frame's time early still counts as on time: camera frames and ticks come at
        // their own steps, and the schedule below keeps the average rate all the same.
        const std::int64_t sinceUs = std::int64_t(std::int32_t(nowMs - *m_lastMs)) * 1000;
        if (sinceUs < m_dueUs - m_intervalUs / 4)
            return false;
        // Due times add up in microseconds, so a rate that is no whole number of milliseconds keeps its
        // average; a camera that paused starts a new schedule instead of catching up in a burst.
        m_dueUs = sinceUs - m_dueUs < m_intervalUs ? m_dueUs + m_intervalUs - sinceUs : m_intervalUs;
    } else {
        m_dueUs = m_intervalUs;
    }
    m_lastMs = nowMs;
    if (queueFull) {
        m_keyFrameNeeded = true;
        return false;
    }
    return true;
}

bool TFrameGate::TakeKeyFrameNeed() {
    return std::exchange(m_keyFrameNeeded, false);
}

} // namespace orv
