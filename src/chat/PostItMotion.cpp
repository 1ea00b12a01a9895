#include "chat/PostItMotion.h"

#include "platform/Timer.h"

namespace orv {

TPostItMotion::TPostItMotion(ITimerFactory& timers, std::function<void(int)> moved,
                             std::function<void()> closed)
    : m_moved(std::move(moved)), m_closed(std::move(closed)),
      m_steps(timers.CreateTimer(TTimerMode::Repeating, [this] { step(); })),
      m_display(timers.CreateTimer(TTimerMode::SingleShot, [this] {
          m_phase = TPhase::RollingIn;
          m_steps->Start(kStepMs);
      })) {}

TPostItMotion::~TPostItMotion() = default;

void TPostItMotion::Start(const QRect& workArea, int screenBottom, int height, int shownMs) {
    m_top = workArea.y() + workArea.height();
    m_restTop = m_top - height - kMargin;
    m_screenBottom = screenBottom;
    m_phase = TPhase::RollingOut;
    m_moved(m_top);
    m_steps->Start(kStepMs);
    m_display->Start(std::uint32_t(std::max(0, shownMs)));
}

void TPostItMotion::step() {
    if (m_phase == TPhase::RollingOut) {
        m_top -= kStep;
        m_moved(m_top);
        if (m_top <= m_restTop) {
            m_phase = TPhase::Shown;
            m_steps->Stop();
        }
    } else if (m_phase == TPhase::RollingIn) {
        m_top += kStep;
        m_moved(m_top);
        if (m_top >= m_screenBottom)
            Close();
    }
}

void TPostItMotion::Close() {
    if (m_phase == TPhase::Closed)
        return;
    m_phase = TPhase::Closed;
    m_steps->Stop();
    m_display->Stop();
    if (m_closed)
        m_closed();
}

} // namespace orv
