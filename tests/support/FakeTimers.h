#pragma once
// Timers on a virtual clock: nothing fires until the test advances time, and then every timer due fires in
// the order of its due time, the clock standing at that moment.

#include "platform/Timer.h"
#include "support/FakeClock.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace orv::test {

class FakeTimers final : public ITimerFactory {
public:
    explicit FakeTimers(FakeClock& clock) : m_clock(clock) {}

    std::unique_ptr<ITimer> CreateTimer(TTimerMode mode, std::function<void()> timeout) override {
        auto timer = std::make_unique<Timer>(*this, mode, std::move(timeout));
        m_timers.push_back(timer.get());
        return timer;
    }

    // Moves the clock forward by `ms`, firing what falls due on the way.
    void advance(std::uint32_t ms) {
        const std::uint64_t end = now() + ms;
        for (;;) {
            Timer* next = nullptr;
            for (Timer* t : m_timers)
                if (t->active && t->due <= end && (!next || t->due < next->due))
                    next = t;
            if (!next)
                break;
            m_clock.set(std::uint32_t(next->due));
            next->fire();
        }
        m_clock.set(std::uint32_t(end));
    }
    // How many timers are running.
    int activeCount() const {
        return int(std::count_if(m_timers.begin(), m_timers.end(), [](const Timer* t) { return t->active; }));
    }

private:
    struct Timer final : ITimer {
        Timer(FakeTimers& timers, TTimerMode timerMode, std::function<void()> onTimeout)
            : owner(timers), mode(timerMode), timeout(std::move(onTimeout)) {}
        ~Timer() override { std::erase(owner.m_timers, this); }
        void Start(std::uint32_t ms) override {
            interval = ms;
            due = owner.now() + ms;
            active = true;
        }
        void Stop() override { active = false; }
        bool IsActive() const override { return active; }
        void fire() {
            if (mode == TTimerMode::SingleShot)
                active = false;
            else
                due += std::max<std::uint32_t>(interval, 1);
            const auto callback = timeout; // the callback may destroy or restart this timer
            callback();
        }

        FakeTimers& owner;
        TTimerMode mode;
        std::function<void()> timeout;
        std::uint32_t interval = 0;
        std::uint64_t due = 0;
        bool active = false;
    };

    std::uint64_t now() const { return m_clock.tickCount(); }

    FakeClock& m_clock;
    std::vector<Timer*> m_timers;
};

} // namespace orv::test
