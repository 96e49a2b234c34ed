#include "support/Waits.h"

#include <QCoreApplication>
#include <QElapsedTimer>

bool Waits::waitFor(QCoro::Task<void> task, int timeoutMs)
{
    bool done = false;
    QEventLoop loop;
    auto runner = [&]() -> QCoro::Task<void> {
        co_await std::move(task);
        done = true;
        loop.quit();
    };
    auto running = runner();
    if (!done) {
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done;
}

bool Waits::waitUntil(const std::function<bool()>& predicate, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!predicate()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
