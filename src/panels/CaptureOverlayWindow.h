#pragma once

#include "capture/CaptureOverlayPanel.h"
#include "panels/CaptureOverlayView.h"
#include "panels/LookupServices.h"

#include <QObject>
#include <QPointer>
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

    LookupServices& m_services;
    DesktopWindowManager& m_windows;
    std::function<bool()> m_triggerHeld;
    std::unique_ptr<QWidget> m_window;
    QPointer<CaptureOverlayView> m_view;
    LogicalPoint m_anchor;
    bool m_isHovering = false;
    // Between show() and hide(): only then do results re-fit and show the card.
    bool m_shown = false;
    std::optional<QString> m_lastShownWord;
    std::optional<QString> m_lastShownSentence;
    bool m_lastShownIsSelection = false;
};
