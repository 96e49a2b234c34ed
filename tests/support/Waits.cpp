#include "support/Waits.h"

#include <QCoreApplication>
#include <QElapsedTimer>

bool Waits::waitFor(QCoro::Task<void> task, int timeoutMs)
{
    auto finished = [](QCoro::Task<void> inner) -> QCoro::Task<bool> {
        co_await std::move(inner);
        co_return true;
    };
    return waitFor(finished(std::move(task)), timeoutMs).has_value();
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
