#include "panels/PanelActivation.h"

#include "platform/DesktopWindowManager.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

constexpr int kAttempts = 25;
constexpr int kRetryMs = 20;

void attempt(QPointer<QWidget> window, DesktopWindowManager& windows, quint64 userTime, std::function<void()> activated,
    int attemptsLeft)
{
    if (!window || !window->isVisible() || attemptsLeft <= 0)
        return;
    QWindow* handle = window->windowHandle();
    if (!handle || !handle->isExposed()) {
        QTimer::singleShot(kRetryMs, window, [window, &windows, userTime, activated, attemptsLeft] {
            attempt(window, windows, userTime, activated, attemptsLeft - 1);
        });
        return;
    }
    windows.activate(*window, userTime);
    if (activated)
        activated();
}

} // namespace

namespace PanelActivation {

void activateWhenMapped(
    QWidget& window, DesktopWindowManager& windows, quint64 userTime, std::function<void()> activated)
{
    attempt(&window, windows, userTime, std::move(activated), kAttempts);
}

} // namespace PanelActivation
