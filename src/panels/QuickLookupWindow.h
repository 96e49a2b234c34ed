#pragma once

#include "capture/QuickLookupPanel.h"
#include "panels/LookupServices.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class DesktopWindowManager;
#include "panels/QuickLookupView.h"

// The typed lookup: a small frameless window a little above the middle of the main screen that
// takes the keyboard, grows downwards with its card, and closes on Escape or when it loses focus.
class QuickLookupWindow : public QObject, public QuickLookupPanel
{
    Q_OBJECT
public:
    // `userTime`: the X server time of the key event that opened the panel (0 when unknown).
    QuickLookupWindow(LookupServices& services, DesktopWindowManager& windows, std::function<quint64()> userTime,
        QObject* parent = nullptr);
    ~QuickLookupWindow() override;

    void show() override;
    void close();

    QWidget& window() const { return *m_window; }
    QuickLookupView* view() const { return m_view; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refit();

    LookupServices& m_services;
    DesktopWindowManager& m_windows;
    std::function<quint64()> m_userTime;
    std::unique_ptr<QWidget> m_window;
    QPointer<QuickLookupView> m_view;
};
