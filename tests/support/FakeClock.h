#pragma once
// A virtual clock: sleeping advances time at once, and tests can hook into each sleep.

#include "platform/Clock.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

namespace orv::test {

class FakeClock final : public IClock {
public:
    std::uint32_t tickCount() override { return m_now.load(); }
    void sleepMs(std::uint32_t ms) override {
        std::function<void()> hook;
        {
            std::lock_guard lock(m_mutex);
            m_sleeps.push_back(ms);
            hook = m_onSleep;
        }
        m_now += ms;
        if (hook)
            hook();
    }
    void advance(std::uint32_t ms) { m_now += ms; }
    void set(std::uint32_t now) { m_now = now; }
    void onSleep(std::function<void()> hook) {
        std::lock_guard lock(m_mutex);
        m_onSleep = std::move(hook);
    }
    std::vector<std::uint32_t> sleeps() {
        std::lock_guard lock(m_mutex);
        return m_sleeps;
    }

private:
    std::atomic<std::uint32_t> m_now{1000};
    std::mutex m_mutex;
    std::vector<std::uint32_t> m_sleeps;
    std::function<void()> m_onSleep;
};

} // namespace orv::test
