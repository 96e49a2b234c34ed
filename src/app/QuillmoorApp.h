#pragma once

#include <QObject>

#include <memory>

class AccessibilityDesktop;
class AccessibilityTrust;
class PrimarySelection;
class SelectionCaptureService;
class ScreenGrabber;
class ScreenOCRCapture;
class TesseractRecognizer;
class WordCaptureService;
class AppDelegate;
class CaptureOverlayWindow;
class DesktopWindowManager;
class LookupServiceStack;
class QuickLookupWindow;
class CaptureCoordinator;
class CaptureEnvironment;
class DiagnosticsService;
class FeedbackService;
class GlobalHotkeyInstaller;
class HotkeyManager;
class InterfaceTranslator;
class Preferences;
class TrayIconController;

// The application's object graph: preferences, diagnostics, translator, the trigger and capture
// chain, delegate and tray.
class QuillmoorApp : public QObject
{
    Q_OBJECT
public:
    struct Paths
    {
        QString defaults; // the defaults store file
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
    HotkeyManager& hotkeyManager() const { return *m_hotkeyManager; }
    CaptureCoordinator& captureCoordinator() const { return *m_coordinator; }
    GlobalHotkeyInstaller& hotkeyInstaller() const { return *m_hotkeyInstaller; }
    // Null where no X11 session runs.
    CaptureOverlayWindow* overlayPanel() const { return m_overlay.get(); }
    QuickLookupWindow* quickLookupPanel() const { return m_quickLookup.get(); }

private:
    static constexpr int kRecognizerWarmUpDelayMs = 1500;

    void createPanels();
    void createScreenRecognition();

    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<DiagnosticsService> m_diagnostics;
    std::unique_ptr<InterfaceTranslator> m_translator;
    std::unique_ptr<FeedbackService> m_feedback;
    std::unique_ptr<AccessibilityTrust> m_trust;
    std::unique_ptr<HotkeyManager> m_hotkeyManager;
    std::unique_ptr<CaptureEnvironment> m_captureEnvironment;
    std::unique_ptr<AccessibilityDesktop> m_accessibilityDesktop;
    std::unique_ptr<WordCaptureService> m_wordCapture;
    std::unique_ptr<PrimarySelection> m_primarySelection;
    std::unique_ptr<SelectionCaptureService> m_selectionCapture;
    std::unique_ptr<ScreenGrabber> m_screenGrabber;
    std::unique_ptr<TesseractRecognizer> m_textRecognizer;
    std::unique_ptr<ScreenOCRCapture> m_ocrCapture;
    std::unique_ptr<LookupServiceStack> m_lookupServices;
    std::unique_ptr<DesktopWindowManager> m_windowManager;
    std::unique_ptr<CaptureOverlayWindow> m_overlay;
    std::unique_ptr<QuickLookupWindow> m_quickLookup;
    std::unique_ptr<CaptureCoordinator> m_coordinator;
    std::unique_ptr<GlobalHotkeyInstaller> m_hotkeyInstaller;
    std::unique_ptr<AppDelegate> m_delegate;
    std::unique_ptr<TrayIconController> m_tray;
};
