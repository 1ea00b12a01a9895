#include "platform/Timer.h"

#include <QTimer>

namespace orv {
namespace {

class QtTimer final : public ITimer {
public:
    QtTimer(TTimerMode mode, std::function<void()> timeout) {
        m_timer.setSingleShot(mode == TTimerMode::SingleShot);
        QObject::connect(&m_timer, &QTimer::timeout, [callback = std::move(timeout)] { callback(); });
    }
    void Start(std::uint32_t intervalMs) override { m_timer.start(int(intervalMs)); }
    void Stop() override { m_timer.stop(); }
    bool IsActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

} // namespace

std::unique_ptr<ITimer> QtTimerFactory::CreateTimer(TTimerMode mode, std::function<void()> timeout) {
    return std::make_unique<QtTimer>(mode, std::move(timeout));
}

QtTimerFactory& QtTimerFactory::instance() {
    static QtTimerFactory factory;
    return factory;
}

} // namespace orv
