#pragma once

#include <QString>

#include <memory>

class AccessibilityDesktop;
class AccessibilityTrust;
class DesktopWindowManager;
class GlobalKeyMonitor;
class LanguageRecognizer;
class MailComposer;
class NotificationCenter;
class PrimarySelection;
class ScreenGrabber;
class SleepWatcher;
class SpeechSynthesizer;
class TextRecognizer;

// The Linux backends behind the platform seams, created in one place. The kind of session is
// decided once: global key events, global pointer coordinates, the accessibility tree of other
// programs and silent screenshots exist only in an X11 session, so the desktop backends are
// absent elsewhere and the application keeps only its windows.
class PlatformBackends
{
public:
    enum class Session { X11, Wayland, None };

    // sessionType: $XDG_SESSION_TYPE; platformName: the Qt platform plugin in use; hasDisplay:
    // an X display is named. Qt on XWayland still reports xcb, so the session type decides.
    static Session sessionKind(const QString& sessionType, const QString& platformName, bool hasDisplay);

    // The backends for the session this process runs in.
    static std::unique_ptr<PlatformBackends> create();
    ~PlatformBackends();

    Session session() const { return m_session; }

    AccessibilityTrust& accessibilityTrust() const { return *m_trust; }
    LanguageRecognizer& languageRecognizer() const { return *m_languageRecognizer; }
    SpeechSynthesizer& speech() const { return *m_speech; }
    std::unique_ptr<MailComposer> createMailComposer() const;
    NotificationCenter& notifications() const { return *m_notifications; }
    SleepWatcher& sleepWatcher() const { return *m_sleepWatcher; }

    // X11 sessions only; null elsewhere.
    AccessibilityDesktop* accessibilityDesktop() const { return m_accessibility.get(); }
    PrimarySelection* primarySelection() const { return m_primarySelection.get(); }
    ScreenGrabber* screenGrabber() const { return m_screenGrabber.get(); }
    TextRecognizer* textRecognizer() const { return m_textRecognizer.get(); }
    DesktopWindowManager* windowManager() const { return m_windowManager.get(); }
    // A new monitor of the whole keyboard; null outside an X11 session.
    std::unique_ptr<GlobalKeyMonitor> createKeyMonitor() const;

private:
    explicit PlatformBackends(Session session);

    Session m_session;
    std::unique_ptr<AccessibilityTrust> m_trust;
    std::unique_ptr<LanguageRecognizer> m_languageRecognizer;
    std::unique_ptr<SpeechSynthesizer> m_speech;
    std::unique_ptr<NotificationCenter> m_notifications;
    std::unique_ptr<SleepWatcher> m_sleepWatcher;
    std::unique_ptr<AccessibilityDesktop> m_accessibility;
    std::unique_ptr<PrimarySelection> m_primarySelection;
    std::unique_ptr<ScreenGrabber> m_screenGrabber;
    std::unique_ptr<TextRecognizer> m_textRecognizer;
    std::unique_ptr<DesktopWindowManager> m_windowManager;
};
