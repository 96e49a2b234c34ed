#pragma once

#include <QCoroTask>
#include <QEventLoop>
#include <QTimer>

#include <optional>

// Bounded waits for tests: a coroutine that never finishes fails the test instead of hanging it.
namespace Waits {

inline constexpr int kDefaultTimeoutMs = 10000;

// Runs the event loop until the task finishes or the time-out passes; nullopt on time-out.
template <typename T>
std::optional<T> waitFor(QCoro::Task<T> task, int timeoutMs = kDefaultTimeoutMs)
{
    std::optional<T> result;
    bool done = false;
    QEventLoop loop;
    auto runner = [&]() -> QCoro::Task<void> {
        result = co_await std::move(task);
        done = true;
        loop.quit();
    };
    auto running = runner();
    if (!done) {
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return result;
}

// The same for tasks without a value: true when the task finished in time.
bool waitFor(QCoro::Task<void> task, int timeoutMs = kDefaultTimeoutMs);

// Processes events until the predicate holds or the time-out passes.
bool waitUntil(const std::function<bool()>& predicate, int timeoutMs = kDefaultTimeoutMs);

} // namespace Waits
