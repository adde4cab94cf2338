#pragma once
// Waits for a window to reach a state that comes through its event loop (a
// timer, a queued signal), for GoogleTest: the result goes into an
// EXPECT/ASSERT, so a state never reached fails the test. Qt's QTRY_ macros
// cannot be used here: they end the function with a bare `return` and the
// test passes.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <chrono>

namespace fieldizer::testing {

template <class Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    QDeadlineTimer deadline(timeout);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

} // namespace fieldizer::testing
