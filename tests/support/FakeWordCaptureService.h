#pragma once

#include "capture/WordCaptureService.h"

#include <functional>

// Answers with the result the test set; runs an optional hook during the call (for example
// to move the test clock, as a slow accessibility tree would).
class FakeWordCaptureService final : public WordCaptureService
{
public:
    std::optional<CaptureResult> captureWordAtMouseLocation() override
    {
        ++calls;
        if (duringCall)
            duringCall();
        return next;
    }

    std::optional<CaptureResult> next;
    std::function<void()> duringCall;
    int calls = 0;
};
