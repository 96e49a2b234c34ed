#pragma once

#include "platform/TopLevelWindow.h"

#include <QPointF>
#include <QRectF>

#include <memory>
#include <optional>

class AccessibleNode;

// The desktop's accessibility service: where the pointer is and which element lies under it in
// the topmost window there. Quillmoor's own windows never answer.
class AccessibilityDesktop
{
public:
    virtual ~AccessibilityDesktop() = default;

    // The pointer in global physical pixels.
    virtual QPointF pointer() const = 0;
    // The deepest element at the point, or null.
    virtual std::shared_ptr<AccessibleNode> elementAt(QPointF point) = 0;
    // Physical pixels per logical point at the point (2 on a doubled screen).
    virtual double pixelRatioAt(QPointF point) const = 0;
    // The screen holding the point, in physical pixels; nullopt without any screen.
    virtual std::optional<QRectF> screenAt(QPointF point) const = 0;
    // The topmost application window at the point, ours included; nullopt over the bare desktop.
    virtual std::optional<TopLevelWindow> windowAt(QPointF point) const = 0;
};
