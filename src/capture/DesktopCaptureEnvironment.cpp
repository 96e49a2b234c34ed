#include "capture/DesktopCaptureEnvironment.h"

#include <QCoroTimer>
#include <QCursor>
#include <QDateTime>

LogicalPoint DesktopCaptureEnvironment::mouseLocation() const
{
    return LogicalPoint::fromQPointF(QCursor::pos());
}

ScreenPointMapper DesktopCaptureEnvironment::screens() const
{
    return ScreenPointMapper::fromApplicationScreens();
}

qint64 DesktopCaptureEnvironment::nowMs() const
{
    return QDateTime::currentMSecsSinceEpoch();
}

QCoro::Task<void> DesktopCaptureEnvironment::pause(std::chrono::milliseconds duration)
{
    co_await QCoro::sleepFor(duration);
}
