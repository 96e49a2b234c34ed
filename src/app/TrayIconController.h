#pragma once

#include <QObject>

#include <memory>

class AppDelegate;
class NoTrayWindow;
class QAction;
class QMenu;
class QSystemTrayIcon;

// The "QM" tray icon and its menu.
class TrayIconController : public QObject
{
    Q_OBJECT
public:
    explicit TrayIconController(AppDelegate& delegate, QObject* parent = nullptr);
    ~TrayIconController() override;

    // Shows the icon; without a tray it retries a few times, then opens a window with the menu's
    // commands.
    void show();

    QSystemTrayIcon* trayIcon() const { return m_tray.get(); }
    // A balloon message from the icon: notifications where the desktop has no notification server.
    void showMessage(const QString& title, const QString& body);
    // The window that stands in for the tray; null while the tray shows the icon.
    NoTrayWindow* fallbackWindow() const { return m_fallback.get(); }
    QMenu* menu() const { return m_menu.get(); }

    static constexpr int kMessageDurationMs = 10'000;
    static int kRetryCount;
    static int kRetryIntervalMs;

Q_SIGNALS:
    void quitRequested();
    void trayUnavailable();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();
    void tryShow();

    AppDelegate& m_delegate;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_tray;
    std::unique_ptr<NoTrayWindow> m_fallback;
    QAction* m_quickLookup = nullptr;
    QAction* m_review = nullptr;
    QAction* m_grammar = nullptr;
    QAction* m_settings = nullptr;
    QAction* m_onboarding = nullptr;
    QAction* m_feedback = nullptr;
    QAction* m_quit = nullptr;
    int m_attempts = 0;
};
