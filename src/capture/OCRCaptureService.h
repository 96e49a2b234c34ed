#pragma once

#include "capture/PhysicalPoint.h"

#include <QCoroTask>
#include <QString>

#include <functional>
#include <optional>

// The word nearest a point and its sentence, read from a screenshot by text recognition.
class OCRCaptureService
{
public:
    struct CaptureResult
    {
        QString word;
        // The recognized sentence around the word, possibly merged across lines.
        QString sentence;

        friend bool operator==(const CaptureResult&, const CaptureResult&) = default;
    };

    virtual ~OCRCaptureService() = default;

    // onScreenshotCaptured runs once on the GUI thread after the screenshot was taken and
    // before recognition starts; it does not run when no screenshot could be taken.
    virtual QCoro::Task<std::optional<CaptureResult>> captureWord(
        PhysicalPoint at, std::function<void()> onScreenshotCaptured = {})
        = 0;
};
