#pragma once
// Runs the main thread's event loop until a condition holds or a limit passes that only a hang reaches (a
// loaded machine running the sanitizers included).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>

namespace orv::test {

inline bool pumpUntil(const std::function<bool()>& condition, int limitMs = 60000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(1);
    }
    return true;
}

} // namespace orv::test
