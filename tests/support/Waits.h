#pragma once

#include <QCoroTask>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <optional>

// Bounded waits for tests: a coroutine that never finishes fails the test instead of hanging it.
namespace Waits {

inline constexpr int kDefaultTimeoutMs = 10000;

// Runs the event loop until the task finishes or the time-out passes; nullopt on time-out. A task
// that finishes later (a request ending on its own deadline) reaches only the state it shares.
template <typename T> std::optional<T> waitFor(QCoro::Task<T> task, int timeoutMs = kDefaultTimeoutMs)
{
    struct Outcome
    {
        std::optional<T> result;
        QPointer<QEventLoop> loop;
    };
    QEventLoop loop;
    auto outcome = std::make_shared<Outcome>(Outcome { std::nullopt, &loop });
    auto run = [](QCoro::Task<T> awaited, std::shared_ptr<Outcome> shared) -> QCoro::Task<void> {
        shared->result = co_await std::move(awaited);
        if (shared->loop)
            shared->loop->quit();
    };
    auto running = run(std::move(task), outcome);
    if (!outcome->result) {
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return outcome->result;
}

// The same for tasks without a value: true when the task finished in time.
bool waitFor(QCoro::Task<void> task, int timeoutMs = kDefaultTimeoutMs);

// Processes events until the predicate holds or the time-out passes.
bool waitUntil(const std::function<bool()>& predicate, int timeoutMs = kDefaultTimeoutMs);

} // namespace Waits
