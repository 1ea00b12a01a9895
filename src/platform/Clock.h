#pragma once
// Tick count and sleep, injectable so that pacing and time-outs are tested on a virtual clock.

#include <cstdint>

namespace orv {

class IClock {
public:
    virtual ~IClock() = default;
    // Milliseconds since an arbitrary start; wraps around like a 32-bit tick counter.
    virtual std::uint32_t tickCount() = 0;
    virtual void sleepMs(std::uint32_t ms) = 0;
};

// Elapsed milliseconds between two tick counts, correct across the counter's wrap-around.
constexpr std::uint32_t ticksBetween(std::uint32_t start, std::uint32_t end) {
    return end - start;
}

class SystemClock final : public IClock {
public:
    std::uint32_t tickCount() override;
    void sleepMs(std::uint32_t ms) override;
    static SystemClock& instance();
};

} // namespace orv
