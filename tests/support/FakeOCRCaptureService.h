#pragma once

#include "capture/OCRCaptureService.h"
#include "support/PendingCall.h"

#include <memory>
#include <vector>

// Every call stays pending until the test takes its screenshot and finishes it, so a test
// decides exactly when each stage of a recognition happens. Pending calls end with nothing
// when the fake goes away.
class FakeOCRCaptureService final : public OCRCaptureService
{
public:
    struct Request
    {
        PhysicalPoint at;
        std::function<void()> onScreenshotCaptured;
        std::optional<CaptureResult> result;
        bool screenshotTaken = false;
        PendingCall call;
    };

    ~FakeOCRCaptureService() override
    {
        for (auto& request : m_requests) {
            if (!request->call.isDone())
                request->call.finish();
        }
    }

    QCoro::Task<std::optional<CaptureResult>> captureWord(
        PhysicalPoint at, std::function<void()> onScreenshotCaptured) override
    {
        auto request = std::make_shared<Request>();
        request->at = at;
        request->onScreenshotCaptured = std::move(onScreenshotCaptured);
        m_requests.push_back(request);
        co_await request->call.wait();
        // A copy: QCoro moves from a non-const lvalue given to co_return.
        co_return std::optional<CaptureResult>(request->result);
    }

    int count() const { return int(m_requests.size()); }
    const Request& request(int index) const { return *m_requests.at(size_t(index)); }
    bool isPending(int index) const { return !m_requests.at(size_t(index))->call.isDone(); }

    // The screenshot of a call exists: its action runs (once), recognition has not ended.
    void takeScreenshot(int index)
    {
        Request& request = *m_requests.at(size_t(index));
        if (request.screenshotTaken)
            return;
        request.screenshotTaken = true;
        if (request.onScreenshotCaptured)
            request.onScreenshotCaptured();
    }

    void finish(int index, std::optional<CaptureResult> result)
    {
        auto request = m_requests.at(size_t(index));
        if (request->call.isDone())
            return;
        request->result = std::move(result);
        request->call.finish();
    }

    // Screenshot and recognition in one go.
    void complete(int index, std::optional<CaptureResult> result)
    {
        takeScreenshot(index);
        finish(index, std::move(result));
    }

private:
    std::vector<std::shared_ptr<Request>> m_requests;
};
