#pragma once

#include "capture/LogicalPoint.h"

#include <QString>

// The floating lookup panel next to the pointer, as the capture flows use it.
class CaptureOverlayPanel
{
public:
    virtual ~CaptureOverlayPanel() = default;

    // Shows or refreshes the panel for a word (or a whole selection) near a point.
    virtual void show(const QString& word, const QString& sentence, LogicalPoint near, bool isSelection) = 0;
    // Orders the panel out.
    virtual void hide() = 0;
    // The pointer is over the panel's card.
    virtual bool isHovering() const = 0;
};
