#pragma once
// What the loudspeakers play, kept for the echo canceller: the players add each piece as they hand it to
// the output, capture takes it back frame by frame. Safe to use from two threads.

#include <cstdint>
#include <deque>
#include <mutex>
#include <span>

namespace orv {

class FarEndSignal {
public:
    // Keeps at most `capacity` samples; older ones are dropped, so a capture that stops taking does not
    // fall ever further behind.
    explicit FarEndSignal(std::size_t capacity) : m_capacity(capacity) {}

    void Played(std::span<const std::int16_t> samples);
    // Fills `frame` with the oldest samples not yet taken, and silence where there are none.
    void Take(std::span<std::int16_t> frame);
    void Clear();

private:
    std::mutex m_mutex;
    std::size_t m_capacity;
    std::deque<std::int16_t> m_samples;
};

} // namespace orv
