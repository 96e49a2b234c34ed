#pragma once

#include "app/CardStoreStartup.h"

#include <QObject>
#include <QString>

#include <memory>

class AchievementService;
class AppDelegate;
class CaptureCoordinator;
class CaptureEnvironment;
class CaptureOverlayWindow;
class CardStores;
class DiagnosticsService;
class FeedbackService;
class GlobalHotkeyInstaller;
class GrammarAnalysisWindow;
class GrammarBankCatalog;
struct GrammarCourseServices;
struct GrammarAnalysisServices;
class HotkeyManager;
class InterfaceTranslator;
class LanguagePackInstaller;
class LookupServiceStack;
class CrashReportOffer;
class NotificationService;
class PlatformBackends;
class ProgressLaunchSteps;
class Preferences;
class QuickLookupWindow;
class ScreenOCRCapture;
class SelectionCaptureService;
class TrayIconController;
class WordCaptureService;

// The whole application in one place, built in dependency order: preferences, diagnostics and the
// interface translator; the card store; the platform backends; the language services; the capture
// flows and the panels; the triggers, the delegate and the tray.
class QuillmoorApp : public QObject
{
    Q_OBJECT
public:
    struct Paths
    {
        QString defaults; // the defaults store file
        QString diagnostics; // diagnostics.log
        QString cards; // the card store
    };
    static Paths defaultPaths();

    // Builds the application; nullptr when the card store cannot be opened (reported first, in the
    // interface language, since nothing the learner saves could be kept).
    static std::unique_ptr<QuillmoorApp> create(
        Paths paths, const CardStoreStartup::FatalReporter& report = CardStoreStartup::showFatalDialog);
    ~QuillmoorApp() override;

    // The launch sequence, then the tray icon.
    void start();
    // Offers to send the report of the crash that ended the last run.
    void offerCrashReport();

    Preferences& preferences() const { return *m_preferences; }
    CardStores& stores() const { return *m_stores; }
    AppDelegate& delegate() const { return *m_delegate; }
    TrayIconController& tray() const { return *m_tray; }
    InterfaceTranslator& translator() const { return *m_translator; }
    DiagnosticsService& diagnostics() const { return *m_diagnostics; }
    HotkeyManager& hotkeyManager() const { return *m_hotkeyManager; }
    CaptureCoordinator& captureCoordinator() const { return *m_coordinator; }
    GlobalHotkeyInstaller& hotkeyInstaller() const { return *m_hotkeyInstaller; }
    NotificationService& notifications() const { return *m_notifications; }
    AchievementService& achievements() const { return *m_achievements; }
    // Null where no X11 session runs.
    CaptureOverlayWindow* overlayPanel() const { return m_overlay.get(); }
    QuickLookupWindow* quickLookupPanel() const { return m_quickLookup.get(); }
    GrammarAnalysisWindow* grammarAnalysisPanel() const { return m_grammarAnalysis.get(); }

private:
    static constexpr int kRecognizerWarmUpDelayMs = 1500;
    static constexpr int kTranslationWarmUpDelayMs = 500;

    explicit QuillmoorApp(const Paths& paths);
    bool openStores(const QString& path, const CardStoreStartup::FatalReporter& report);
    void buildGraph();
    void createCaptureServices();
    void createPanels();
    void createProgressServices();
    // The contents of the settings and guide windows.
    void createSectionViews();

    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<DiagnosticsService> m_diagnostics;
    std::unique_ptr<InterfaceTranslator> m_translator;
    std::unique_ptr<CardStores> m_stores;
    std::unique_ptr<PlatformBackends> m_platform;
    std::unique_ptr<FeedbackService> m_feedback;
    std::unique_ptr<HotkeyManager> m_hotkeyManager;
    std::unique_ptr<LookupServiceStack> m_lookupServices;
    std::unique_ptr<GrammarBankCatalog> m_grammarCatalog;
    std::unique_ptr<GrammarCourseServices> m_grammarCourse;
    std::unique_ptr<CaptureEnvironment> m_captureEnvironment;
    std::unique_ptr<WordCaptureService> m_wordCapture;
    std::unique_ptr<SelectionCaptureService> m_selectionCapture;
    std::unique_ptr<ScreenOCRCapture> m_ocrCapture;
    std::unique_ptr<CaptureOverlayWindow> m_overlay;
    std::unique_ptr<QuickLookupWindow> m_quickLookup;
    std::unique_ptr<GrammarAnalysisServices> m_grammarServices;
    std::unique_ptr<GrammarAnalysisWindow> m_grammarAnalysis;
    std::unique_ptr<CaptureCoordinator> m_coordinator;
    std::unique_ptr<GlobalHotkeyInstaller> m_hotkeyInstaller;
    std::unique_ptr<NotificationService> m_notifications;
    std::unique_ptr<AchievementService> m_achievements;
    std::unique_ptr<ProgressLaunchSteps> m_progressSteps;
    std::unique_ptr<LanguagePackInstaller> m_packInstaller;
    std::unique_ptr<AppDelegate> m_delegate;
    std::unique_ptr<TrayIconController> m_tray;
    std::unique_ptr<CrashReportOffer> m_crashReportOffer;
};
