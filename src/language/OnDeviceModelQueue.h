#pragma once

#include <QCoroTask>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class CancellationToken;

// Runs model operations one at a time, the latest winning: a new run asks the running one to
// stop, and the older caller gets no result even if its operation finished.
class OnDeviceModelQueue
{
public:
    // The operation sees the token cancelled when a newer run starts.
    using Operation = std::function<QCoro::Task<std::optional<QString>>(std::shared_ptr<CancellationToken>)>;

    OnDeviceModelQueue();
    ~OnDeviceModelQueue();

    QCoro::Task<std::optional<QString>> run(Operation operation);
    qint64 generation() const { return m_generation; }

private:
    qint64 m_generation = 0;
    std::shared_ptr<CancellationToken> m_current;
};
