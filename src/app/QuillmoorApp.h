#pragma once

#include <QObject>

#include <memory>

class AccessibilityTrust;
class AppDelegate;
class DiagnosticsService;
class FeedbackService;
class InterfaceTranslator;
class Preferences;
class TrayIconController;

// The application's object graph: preferences, diagnostics, translator, delegate and tray.
class QuillmoorApp : public QObject
{
    Q_OBJECT
public:
    struct Paths
    {
        QString defaults;    // the defaults store file
        QString diagnostics; // diagnostics.log
    };

    explicit QuillmoorApp(Paths paths, QObject* parent = nullptr);
    QuillmoorApp();
    ~QuillmoorApp() override;

    // The launch sequence, then the tray icon.
    void start();

    Preferences& preferences() const { return *m_preferences; }
    AppDelegate& delegate() const { return *m_delegate; }
    TrayIconController& tray() const { return *m_tray; }
    InterfaceTranslator& translator() const { return *m_translator; }
    DiagnosticsService& diagnostics() const { return *m_diagnostics; }

private:
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<DiagnosticsService> m_diagnostics;
    std::unique_ptr<InterfaceTranslator> m_translator;
    std::unique_ptr<FeedbackService> m_feedback;
    std::unique_ptr<AccessibilityTrust> m_trust;
    std::unique_ptr<AppDelegate> m_delegate;
    std::unique_ptr<TrayIconController> m_tray;
};
