#pragma once
// Runs the event loop until a condition holds or the time is up: for tests that talk to a server in
// the same process over real sockets.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

inline bool waitFor(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}
