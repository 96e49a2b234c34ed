#pragma once

#include "platform/AccessibilityDesktop.h"

#include <QRect>

#include <optional>

typedef struct _XDisplay Display;
typedef struct _AtspiAccessible AtspiAccessible;

// The element under the pointer on an X11 desktop: the topmost viewable window there (X11
// stacking order), its client's process (_NET_WM_PID), that process's AT-SPI application and its
// window, then the deepest element at the point. Quillmoor's own windows never answer.
class AtspiDesktop : public AccessibilityDesktop
{
public:
    // Each AT-SPI call waits at most this long for the other application.
    static constexpr int kCallTimeoutMs = 150;

    AtspiDesktop();
    ~AtspiDesktop() override;
    AtspiDesktop(const AtspiDesktop&) = delete;
    AtspiDesktop& operator=(const AtspiDesktop&) = delete;

    bool isValid() const { return m_display != nullptr; }

    QPointF pointer() const override;
    std::shared_ptr<AccessibleNode> elementAt(QPointF point) override;
    double pixelRatioAt(QPointF point) const override;
    std::optional<QRectF> screenAt(QPointF point) const override;
    std::optional<TopLevelWindow> windowAt(QPointF point) const override;

    struct TopWindow
    {
        unsigned long window = 0;
        QRect geometry;
        qint64 pid = 0;
        unsigned long client = 0; // the client's own window inside the frame (window itself without a manager)
    };
    // The topmost viewable top-level window that contains the point, with its client's process.
    std::optional<TopWindow> topWindowAt(QPoint point) const;

private:
    AtspiAccessible* applicationOf(qint64 pid) const;
    AtspiAccessible* windowOf(AtspiAccessible* application, const TopWindow& top, QPoint point) const;

    Display* m_display = nullptr;
};
