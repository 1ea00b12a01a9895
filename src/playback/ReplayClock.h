#pragma once
// A clock that stands still until the replay moves it: a recording exported faster than real time reads its
// time from here, and waiting on it passes recorded time at once.

#include "platform/Clock.h"

#include <atomic>
#include <cstdint>

namespace orv {

class TReplayClock final : public IClock {
public:
    std::uint32_t tickCount() override { return std::uint32_t(m_now.load()); }
    void sleepMs(std::uint32_t ms) override { m_now += ms; }

    std::int64_t NowMs() const { return m_now; }
    void AdvanceTo(std::int64_t ms) {
        if (ms > m_now)
            m_now = ms;
    }

private:
    std::atomic<std::int64_t> m_now{0};
};

} // namespace orv
