#include "language/OnDeviceModelQueue.h"

#include "platform/CancellationToken.h"

OnDeviceModelQueue::OnDeviceModelQueue() = default;
OnDeviceModelQueue::~OnDeviceModelQueue() = default;

QCoro::Task<std::optional<QString>> OnDeviceModelQueue::run(Operation operation)
{
    const qint64 ticket = ++m_generation;
    if (m_current)
        m_current->cancel();
    auto token = std::make_shared<CancellationToken>();
    m_current = token;
    std::optional<QString> result = co_await operation(token);
    if (m_generation != ticket)
        co_return std::nullopt;
    co_return result;
}
