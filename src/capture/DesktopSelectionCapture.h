#pragma once

#include "capture/SelectionCaptureService.h"

#include <QPointF>

class AccessibilityDesktop;
class PrimarySelection;

// The selected text in the application under the pointer: from its accessibility tree first,
// else from the desktop's PRIMARY selection. No keystroke is ever sent and the clipboard is
// never touched.
class DesktopSelectionCapture : public SelectionCaptureService
{
public:
    static constexpr int kAncestorLevels = 6;
    static constexpr double kPlausibleScreens = 1.5;

    DesktopSelectionCapture(AccessibilityDesktop& desktop, PrimarySelection& primary);

    QCoro::Task<std::optional<QString>> captureSelectedText() override;
    // The accessibility path alone, at a point.
    std::optional<QString> selectionViaAccessibility(QPointF point);

private:
    AccessibilityDesktop& m_desktop;
    PrimarySelection& m_primary;
};
