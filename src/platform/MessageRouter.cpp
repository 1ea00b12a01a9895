#include "platform/MessageRouter.h"

#include "platform/AppMessage.h"

#include <QDebug>

#include <exception>

namespace orv {

void TMessageRouter::Register(int n, Handler handler) {
    m_handlers[n].push_back(std::move(handler));
}

bool TMessageRouter::Route(QEvent* event) const {
    if (event->type() != TAppMessageEvent::eventType())
        return false;
    const auto* message = static_cast<const TAppMessageEvent*>(event);
    Deliver(message->n, message->wParam, message->lParam);
    return true;
}

void TMessageRouter::Deliver(int n, std::intptr_t wParam, std::intptr_t lParam) const {
    const auto it = m_handlers.find(n);
    if (it == m_handlers.end())
        return;
    // A copy: a handler may register further handlers while it runs.
    const std::vector<Handler> handlers = it->second;
    for (const Handler& handler : handlers) {
        try {
            handler(wParam, lParam);
        } catch (const std::exception& e) {
            qWarning() << "message" << n << "handler failed:" << e.what();
        } catch (...) {
            qWarning() << "message" << n << "handler failed";
        }
    }
}

} // namespace orv
