#pragma once

#include "capture/CaptureEnvironment.h"

// The running desktop: QCursor, QGuiApplication's screens, the system clock and a timer.
class DesktopCaptureEnvironment final : public CaptureEnvironment
{
public:
    LogicalPoint mouseLocation() const override;
    ScreenPointMapper screens() const override;
    qint64 nowMs() const override;
    QCoro::Task<void> pause(std::chrono::milliseconds duration) override;
};
