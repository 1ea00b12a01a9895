#pragma once
// Timers on the main thread behind an interface, so that logic waiting for minutes is tested on a virtual
// clock without sleeping.

#include <cstdint>
#include <functional>
#include <memory>

namespace orv {

class ITimer {
public:
    virtual ~ITimer() = default;
    // (Re)starts the count from now.
    virtual void Start(std::uint32_t intervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

enum class TTimerMode { Repeating, SingleShot };

class ITimerFactory {
public:
    virtual ~ITimerFactory() = default;
    // A stopped timer that calls `timeout` on the creating thread each time it fires; a single-shot timer
    // stops before calling.
    virtual std::unique_ptr<ITimer> CreateTimer(TTimerMode mode, std::function<void()> timeout) = 0;
};

// Timers of the Qt event loop.
class QtTimerFactory final : public ITimerFactory {
public:
    std::unique_ptr<ITimer> CreateTimer(TTimerMode mode, std::function<void()> timeout) override;
    static QtTimerFactory& instance();
};

} // namespace orv
