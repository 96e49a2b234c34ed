#pragma once

#include "capture/CaptureEnvironment.h"
#include "support/PendingCall.h"

#include <deque>
#include <memory>
#include <vector>

// A pointer the test places, a fixed screen layout, a clock that moves only when the test
// moves it, and pauses that end only when the test releases them.
class FakeCaptureEnvironment final : public CaptureEnvironment
{
public:
    ~FakeCaptureEnvironment() override { releasePauses(); }

    LogicalPoint mouseLocation() const override { return mouse; }
    ScreenPointMapper screens() const override { return layout; }
    qint64 nowMs() const override { return clockMs; }
    QCoro::Task<void> pause(std::chrono::milliseconds duration) override
    {
        requestedPauses.push_back(duration);
        auto call = std::make_shared<PendingCall>();
        m_pending.push_back(call);
        co_await call->wait();
    }

    int pendingPauses() const { return int(m_pending.size()); }
    // Ends every pause asked for so far, oldest first.
    void releasePauses()
    {
        const size_t count = m_pending.size();
        for (size_t i = 0; i < count; ++i)
            releaseOldestPause();
    }
    void releaseOldestPause()
    {
        if (m_pending.empty())
            return;
        auto call = m_pending.front();
        m_pending.pop_front();
        call->finish();
    }

    LogicalPoint mouse;
    ScreenPointMapper layout;
    qint64 clockMs = 1000;
    std::vector<std::chrono::milliseconds> requestedPauses;

private:
    std::deque<std::shared_ptr<PendingCall>> m_pending;
};
