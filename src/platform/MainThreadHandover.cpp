#include "platform/MainThreadHandover.h"

#include <QMetaObject>
#include <QThread>

namespace orv {

struct MainThreadHandover::State {
    std::mutex mutex;
    std::condition_variable changed;
    bool abandoned = false;
    std::uint64_t generation = 0; // bumped by rearm so that stale work never runs
};

MainThreadHandover::MainThreadHandover(QObject* context)
    : m_context(context), m_state(std::make_shared<State>()) {}

MainThreadHandover::~MainThreadHandover() {
    abandon();
}

bool MainThreadHandover::run(std::function<void()> work) {
    QObject* context = m_context.data();
    if (!context)
        return false;
    if (QThread::currentThread() == context->thread()) {
        {
            std::lock_guard lock(m_state->mutex);
            if (m_state->abandoned)
                return false;
        }
        work();
        return true;
    }

    struct Task {
        std::function<void()> work;
        bool done = false;
        bool cancelled = false;
    };
    auto task = std::make_shared<Task>(Task{std::move(work)});
    std::uint64_t generation;
    {
        std::lock_guard lock(m_state->mutex);
        if (m_state->abandoned)
            return false;
        generation = m_state->generation;
    }

    // The posted call holds its own references: it may run, or be dropped, after this worker gave up.
    auto state = m_state;
    QMetaObject::invokeMethod(
        context,
        [state, task, generation] {
            {
                std::lock_guard lock(state->mutex);
                if (task->cancelled || state->abandoned || state->generation != generation)
                    return;
            }
            try {
                task->work();
            } catch (...) {
                // The work's own errors are its business; the worker must still be released.
            }
            std::lock_guard lock(state->mutex);
            task->done = true;
            state->changed.notify_all();
        },
        Qt::QueuedConnection);

    std::unique_lock lock(m_state->mutex);
    m_state->changed.wait(lock, [&] { return task->done || m_state->abandoned; });
    if (!task->done) {
        task->cancelled = true;
        return false;
    }
    return true;
}

void MainThreadHandover::abandon() {
    std::lock_guard lock(m_state->mutex);
    m_state->abandoned = true;
    m_state->changed.notify_all();
}

void MainThreadHandover::rearm() {
    std::lock_guard lock(m_state->mutex);
    m_state->abandoned = false;
    ++m_state->generation;
}

} // namespace orv
