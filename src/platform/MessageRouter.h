#pragma once
// Routes the application messages a window receives to the handler registered for each number. Any window
// or object that receives posted messages owns one; numbers without a handler are consumed and ignored.

#include <QEvent>

#include <cstdint>
#include <functional>
#include <map>

namespace orv {

class TMessageRouter {
public:
    using Handler = std::function<void(std::intptr_t wParam, std::intptr_t lParam)>;

    // A later registration for the same number replaces the earlier one.
    void Register(int n, Handler handler);
    bool Handles(int n) const { return m_handlers.contains(n); }

    // True when `event` is an application message, which is then handled here; a handler's exception is
    // logged and goes no further.
    bool Route(QEvent* event) const;
    void Deliver(int n, std::intptr_t wParam, std::intptr_t lParam) const;

private:
    std::map<int, Handler> m_handlers;
};

} // namespace orv
