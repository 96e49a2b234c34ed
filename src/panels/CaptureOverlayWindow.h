#pragma once

#include "capture/CaptureOverlayPanel.h"
#include "panels/CaptureOverlayView.h"
#include "panels/LookupServices.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
class DesktopWindowManager;

// The floating lookup card next to the pointer: a frameless tool window that never takes the
// keyboard, re-placed inside the pointer's screen whenever its content grows.
class CaptureOverlayWindow : public QObject, public CaptureOverlayPanel
{
    Q_OBJECT
public:
    // triggerHeld: whether a lookup trigger is still held, which keeps the card when the pointer
    // leaves it.
    CaptureOverlayWindow(LookupServices& services, DesktopWindowManager& windows, std::function<bool()> triggerHeld,
        QObject* parent = nullptr);
    ~CaptureOverlayWindow() override;

    void show(const QString& word, const QString& sentence, LogicalPoint near, bool isSelection) override;
    void hide() override;
    // Creates the window and lays out a card off screen, so that the first real card does not pay
    // for the native window, the style and the fonts.
    void prepare();
    // Escape was pressed anywhere: a shown card goes.
    void dismiss();
    // A mouse button went down somewhere on the desktop: a card shown with no trigger held goes
    // unless the pointer is on it.
    void pointerPressed();
    bool isHovering() const override { return m_isHovering; }

    QWidget& window() const { return *m_window; }
    CaptureOverlayView* view() const { return m_view; }
    LogicalPoint anchorPoint() const { return m_anchor; }

Q_SIGNALS:
    // The card was placed (or re-placed) on screen.
    void placed();

private:
    void refitAndPlace();
    void hoverChanged(bool hovering);
    // A card shown while no trigger is held has no release to hide it: it goes when the pointer
    // moves away from it, or at a click outside it.
    void watchLoosePointer();
    void checkLoosePointer();

    LookupServices& m_services;
    DesktopWindowManager& m_windows;
    std::function<bool()> m_triggerHeld;
    std::unique_ptr<QWidget> m_window;
    QPointer<CaptureOverlayView> m_view;
    LogicalPoint m_anchor;
    bool m_isHovering = false;
    // The card is meant to be on screen: set by show(), cleared by every way of hiding it, so a
    // late result that re-fits a hidden card never brings it back.
    bool m_wanted = false;
    QTimer m_looseWatch;
    QPoint m_loosePointer;
    std::optional<QString> m_lastShownWord;
    std::optional<QString> m_lastShownSentence;
    bool m_lastShownIsSelection = false;
};
