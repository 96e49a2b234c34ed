#pragma once

#include "capture/LogicalPoint.h"
#include "capture/ScreenPointMapper.h"

#include <QCoroTask>

#include <chrono>

// What the capture flows read from the desktop besides the capture services: the pointer,
// the screen layout, the wall clock and a pause that resumes on the GUI thread.
class CaptureEnvironment
{
public:
    virtual ~CaptureEnvironment() = default;

    virtual LogicalPoint mouseLocation() const = 0;
    virtual ScreenPointMapper screens() const = 0;
    // Wall-clock milliseconds; only differences are used.
    virtual qint64 nowMs() const = 0;
    virtual QCoro::Task<void> pause(std::chrono::milliseconds duration) = 0;
};
