#pragma once
// How a notice window moves: it rises from the bottom of the work area 10 pixels every 25 ms until it stands
// 5 pixels above the bottom, stays for its display time (counted from showing), then sinks 10 pixels every
// 25 ms and closes once its top reaches the bottom of the screen.

#include <QRect>

#include <cstdint>

#include <functional>
#include <memory>

namespace orv {

class ITimer;
class ITimerFactory;

class TPostItMotion {
public:
    static constexpr std::uint32_t kStepMs = 25;
    static constexpr int kStep = 10;
    static constexpr int kMargin = 5;

    enum class TPhase { Idle, RollingOut, Shown, RollingIn, Closed };

    // `moved` gets each new top; `closed` is told once, when the window should close.
    TPostItMotion(ITimerFactory& timers, std::function<void(int top)> moved, std::function<void()> closed);
    ~TPostItMotion();

    void Start(const QRect& workArea, int screenBottom, int height, int shownMs);
    // "[Close]" or the close button: at once.
    void Close();
    int Top() const { return m_top; }
    TPhase Phase() const { return m_phase; }

private:
    void step();

    std::function<void(int)> m_moved;
    std::function<void()> m_closed;
    std::unique_ptr<ITimer> m_steps;
    std::unique_ptr<ITimer> m_display;
    TPhase m_phase = TPhase::Idle;
    int m_top = 0;
    int m_restTop = 0;
    int m_screenBottom = 0;
};

} // namespace orv
