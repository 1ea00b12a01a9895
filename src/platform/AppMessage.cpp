#include "platform/AppMessage.h"

#include <QCoreApplication>

namespace orv {

QEvent::Type TAppMessageEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void QtMessageSink::post(int n, std::intptr_t wParam, std::intptr_t lParam) {
    std::lock_guard lock(m_mutex);
    if (m_target)
        QCoreApplication::postEvent(m_target, new TAppMessageEvent(n, wParam, lParam));
}

void QtMessageSink::detach() {
    std::lock_guard lock(m_mutex);
    m_target = nullptr;
}

} // namespace orv
