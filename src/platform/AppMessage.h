#pragma once
// Application messages: the program's stand-in for posted WM_APP+n window messages.
// A worker thread never touches a window; it posts (n, wParam, lParam) to the object that owns it.

#include <QEvent>
#include <QObject>

#include <cstdint>
#include <mutex>

namespace orv {

class TAppMessageEvent final : public QEvent {
public:
    TAppMessageEvent(int number, std::intptr_t w, std::intptr_t l)
        : QEvent(eventType()), n(number), wParam(w), lParam(l) {}

    static QEvent::Type eventType();

    const int n;
    const std::intptr_t wParam;
    const std::intptr_t lParam;
};

// Where a thread posts its messages. Posting never waits for the receiver.
class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual void post(int n, std::intptr_t wParam, std::intptr_t lParam) = 0;
};

// Posts to a QObject on its thread. The owner detaches it before the object dies, after which posts are
// dropped.
class QtMessageSink final : public IMessageSink {
public:
    explicit QtMessageSink(QObject* target) : m_target(target) {}
    void post(int n, std::intptr_t wParam, std::intptr_t lParam) override;
    void detach();

private:
    std::mutex m_mutex;
    QObject* m_target;
};

// Accepts and drops every message; for code paths that have no window to report to.
class NullMessageSink final : public IMessageSink {
public:
    void post(int, std::intptr_t, std::intptr_t) override {}
};

} // namespace orv
