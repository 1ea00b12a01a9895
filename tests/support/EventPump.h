#pragma once
// Runs the main thread's event loop until a condition holds or a generous limit passes.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>

namespace orv::test {

inline bool pumpUntil(const std::function<bool()>& condition, int limitMs = 10000) {
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
