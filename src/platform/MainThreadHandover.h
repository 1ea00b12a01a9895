#pragma once
// Synchronous hand-over of work from a worker thread to the main thread, which the stopping side can always
// abandon: a worker waiting here is released by abandon(), so stopping it never deadlocks.

#include <QObject>
#include <QPointer>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace orv {

class MainThreadHandover {
public:
    // `context` lives on the thread that runs the work (normally the main thread).
    explicit MainThreadHandover(QObject* context);
    ~MainThreadHandover();

    MainThreadHandover(const MainThreadHandover&) = delete;
    MainThreadHandover& operator=(const MainThreadHandover&) = delete;

    // Runs `work` on the context's thread and waits until it has finished. Returns false, possibly without
    // having run it, once the hand-over was abandoned. Called on the context's own thread it runs at once.
    bool run(std::function<void()> work);

    // Releases every waiting worker and makes later runs return false at once. Callable from any thread,
    // also from inside the work itself.
    void abandon();
    // Allows runs again after abandon().
    void rearm();

private:
    struct State;
    QPointer<QObject> m_context;
    std::shared_ptr<State> m_state;
};

} // namespace orv
