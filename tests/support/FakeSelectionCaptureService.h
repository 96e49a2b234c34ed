#pragma once

#include "capture/SelectionCaptureService.h"
#include "support/PendingCall.h"

#include <deque>
#include <memory>

// Answers at once with the selection the test set, or, with holdAnswers, only when the test
// calls answer(); pending calls end with no selection when the fake goes away.
class FakeSelectionCaptureService final : public SelectionCaptureService
{
public:
    ~FakeSelectionCaptureService() override
    {
        while (!m_pending.empty())
            answer(std::nullopt);
    }

    QCoro::Task<std::optional<QString>> captureSelectedText() override
    {
        ++calls;
        // A copy: QCoro moves from a non-const lvalue given to co_return.
        if (!holdAnswers)
            co_return std::optional<QString>(next);
        auto request = std::make_shared<Request>();
        m_pending.push_back(request);
        co_await request->call.wait();
        co_return request->text;
    }

    int pendingCount() const { return int(m_pending.size()); }
    // Ends the oldest pending call with the given selection.
    void answer(std::optional<QString> text)
    {
        if (m_pending.empty())
            return;
        auto request = m_pending.front();
        m_pending.pop_front();
        request->text = std::move(text);
        request->call.finish();
    }

    std::optional<QString> next;
    bool holdAnswers = false;
    int calls = 0;

private:
    struct Request
    {
        std::optional<QString> text;
        PendingCall call;
    };
    std::deque<std::shared_ptr<Request>> m_pending;
};
