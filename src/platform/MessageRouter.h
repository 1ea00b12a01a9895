#pragma once
// Routes the application messages a window receives to the handlers registered for each number, in the order
// they were registered: several modules may act on one message. Any window or object that receives posted
// messages owns one; numbers without a handler are consumed and ignored.

#include <QEvent>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace orv {

class TMessageRouter {
public:
    using Handler = std::function<void(std::intptr_t wParam, std::intptr_t lParam)>;

    void Register(int n, Handler handler);
    bool Handles(int n) const { return m_handlers.contains(n); }

    // True when `event` is an application message, which is then handled here; a handler's exception is
    // logged and keeps neither that message's other handlers nor later messages from running.
    bool Route(QEvent* event) const;
    void Deliver(int n, std::intptr_t wParam, std::intptr_t lParam) const;

private:
    std::map<int, std::vector<Handler>> m_handlers;
};

} // namespace orv
