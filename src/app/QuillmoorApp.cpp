#include "app/QuillmoorApp.h"

#include "app/AccessibilityPrompt.h"
#include "app/AppDelegate.h"
#include "app/CrashReportOffer.h"
#include "app/GlobalHotkeyInstaller.h"
#include "app/InterfaceTranslator.h"
#include "app/LookupServiceStack.h"
#include "app/ProgressLaunchSteps.h"
#include "app/SessionCheck.h"
#include "app/TrayIconController.h"
#include "capture/AccessibilityWordCapture.h"
#include "capture/CaptureCoordinator.h"
#include "capture/DesktopCaptureEnvironment.h"
#include "capture/DesktopSelectionCapture.h"
#include "capture/OCRLanguages.h"
#include "capture/ScreenOCRCapture.h"
#include "capture/SentenceExtractor.h"
#include "diagnostics/DiagnosticsService.h"
#include "diagnostics/FeedbackService.h"
#include "diagnostics/QMLog.h"
#include "grammar/GrammarBankCatalog.h"
#include "grammar/GrammarCourseModel.h"
#include "hotkeys/HotkeyManager.h"
#include "hotkeys/HotkeyMatcher.h"
#include "language/TranslationBackendSet.h"
#include "panels/CaptureOverlayWindow.h"
#include "panels/GrammarAnalysisServices.h"
#include "panels/GrammarAnalysisWindow.h"
#include "panels/QuickLookupWindow.h"
#include "platform/AccessibilityTrust.h"
#include "platform/GlobalKeyMonitor.h"
#include "platform/MailComposer.h"
#include "platform/PlatformBackends.h"
#include "platform/TextRecognizer.h"
#include "preferences/Preferences.h"
#include "review/AchievementService.h"
#include "review/NotificationService.h"
#include "settings/LanguageSettingsView.h"
#include "settings/OnboardingView.h"
#include "settings/PackageKitPackInstaller.h"
#include "store/CardDatabase.h"
#include "store/CardStores.h"
#include "store/VocabCardStore.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTimer>

QuillmoorApp::Paths QuillmoorApp::defaultPaths()
{
    return { DefaultsStore::defaultFilePath(), DiagnosticsService::defaultFilePath(), CardDatabase::defaultFilePath() };
}

std::unique_ptr<QuillmoorApp> QuillmoorApp::create(Paths paths, const CardStoreStartup::FatalReporter& report)
{
    std::unique_ptr<QuillmoorApp> app(new QuillmoorApp(paths));
    if (!app->openStores(paths.cards, report))
        return nullptr;
    app->buildGraph();
    return app;
}

// What the fatal store error needs: the settings and the interface language it is written in.
QuillmoorApp::QuillmoorApp(const Paths& paths)
    : m_preferences(std::make_unique<Preferences>(paths.defaults))
    , m_diagnostics(std::make_unique<DiagnosticsService>(paths.diagnostics))
    , m_translator(std::make_unique<InterfaceTranslator>(m_preferences->interfaceLanguage()))
{
}

bool QuillmoorApp::openStores(const QString& path, const CardStoreStartup::FatalReporter& report)
{
    m_stores = CardStoreStartup::open(path, report);
    return m_stores != nullptr;
}

void QuillmoorApp::buildGraph()
{
    m_platform = PlatformBackends::create();
    AccessibilityTrust& trust = m_platform->accessibilityTrust();
    trust.setPrompter([&trust] { AccessibilityPrompt::show(trust); });
    m_feedback = std::make_unique<FeedbackService>(m_platform->createMailComposer(), m_diagnostics.get(),
        [](const QUrl& url) { return QDesktopServices::openUrl(url); });
    m_hotkeyManager = std::make_unique<HotkeyManager>(m_preferences->store());
    m_lookupServices = std::make_unique<LookupServiceStack>(
        *m_preferences, m_stores->vocabulary(), m_platform->languageRecognizer(), m_platform->speech());
    // The first lookup should not wait for dictionaries and pipelines: they load once the tray
    // is up, and again for a new pair.
    const auto prepareTranslation = [this] { m_lookupServices->prepareTranslation(*m_preferences); };
    // The first card and the first sentence break are as quick as the next ones.
    QTimer::singleShot(kTranslationWarmUpDelayMs, this, [this] {
        if (m_overlay)
            m_overlay->prepare();
        SentenceExtractor::sentence(QStringLiteral("Ready. Set."), QStringLiteral("Set"));
    });
    connect(&m_preferences->translation(), &TranslationPreferences::studyLanguageCodeChanged, this, prepareTranslation);
    connect(
        &m_preferences->translation(), &TranslationPreferences::targetLanguageCodeChanged, this, prepareTranslation);
    QTimer::singleShot(kTranslationWarmUpDelayMs, this, prepareTranslation);

    m_grammarCatalog = std::make_unique<GrammarBankCatalog>();
    m_grammarCourse = std::make_unique<GrammarCourseServices>(
        GrammarCourseServices { *m_grammarCatalog, m_stores->grammar(), m_stores->vocabulary(),
            m_lookupServices->exerciseGeneration(), m_preferences->translation(), m_preferences->interfaceLanguage() });

    m_captureEnvironment = std::make_unique<DesktopCaptureEnvironment>();
    createCaptureServices();
    createPanels();
    CaptureCoordinator::Collaborators collaborators;
    collaborators.word = m_wordCapture.get();
    collaborators.selection = m_selectionCapture.get();
    collaborators.ocr = m_ocrCapture.get();
    collaborators.overlay = m_overlay.get();
    collaborators.quickLookup = m_quickLookup.get();
    collaborators.grammar = m_grammarAnalysis.get();
    m_coordinator = std::make_unique<CaptureCoordinator>(collaborators, *m_captureEnvironment);
    m_hotkeyInstaller = std::make_unique<GlobalHotkeyInstaller>(
        *m_hotkeyManager, *m_coordinator, [this] { return m_platform->createKeyMonitor(); },
        [this] {
            if (m_overlay)
                m_overlay->dismiss();
        });

    createProgressServices();
    LaunchServices services;
    services.hotkeys = m_hotkeyInstaller.get();
    services.reminders = m_progressSteps.get();
    services.achievements = m_progressSteps.get();
    m_delegate = std::make_unique<AppDelegate>(*m_preferences, *m_feedback, &trust, services);
    m_delegate->setCaptureCoordinator(m_coordinator.get());
    m_delegate->setCardStore(&m_stores->vocabulary());
    m_delegate->setGrammarCourse(m_grammarCourse.get());
    createSectionViews();
    if (m_quickLookup)
        connect(m_delegate.get(), &AppDelegate::quickLookupRequested, m_quickLookup.get(), &QuickLookupWindow::show);
    m_tray = std::make_unique<TrayIconController>(*m_delegate);
    connect(m_tray.get(), &TrayIconController::quitRequested, qApp, &QCoreApplication::quit);
    connect(qApp, &QCoreApplication::aboutToQuit, m_delegate.get(), &AppDelegate::applicationWillTerminate);
}

// Reminders and achievements; where no notification server runs, the tray icon shows them.
void QuillmoorApp::createProgressServices()
{
    NotificationService::Options options;
    options.fallback = [this](const QString& title, const QString& body) {
        if (m_tray)
            m_tray->showMessage(title, body);
    };
    m_notifications = std::make_unique<NotificationService>(m_platform->notifications(), m_stores->vocabulary(),
        m_preferences->notifications(), &m_platform->sleepWatcher(), options);
    NotificationService& notifications = *m_notifications;
    m_achievements = std::make_unique<AchievementService>(m_stores->vocabulary(), m_stores->grammar(),
        *m_grammarCatalog, m_preferences->translation(), [&notifications](const AchievementDefinition& definition) {
            notifications.notifyAchievementUnlocked(definition);
        });
    m_progressSteps = std::make_unique<ProgressLaunchSteps>(*m_notifications, *m_achievements);
}

// Word, selection and screen capture exist only where the platform has a desktop to read.
void QuillmoorApp::createCaptureServices()
{
    AccessibilityDesktop* accessibility = m_platform->accessibilityDesktop();
    if (!accessibility)
        return;
    m_wordCapture = std::make_unique<AccessibilityWordCapture>(*accessibility);
    m_selectionCapture = std::make_unique<DesktopSelectionCapture>(*accessibility, *m_platform->primarySelection());

    TextRecognizer& recognizer = *m_platform->textRecognizer();
    TranslationPreferences& translation = m_preferences->translation();
    auto languages = [&translation, &recognizer] {
        return OCRLanguages::forStudy(translation.studyLanguageCode(), recognizer.installedLanguages());
    };
    m_ocrCapture = std::make_unique<ScreenOCRCapture>(
        *m_platform->screenGrabber(), recognizer, ScreenOCRCapture::desktopEnvironment(languages));
    // Loading the language data takes a second or two: done on the recogniser's thread, after
    // start-up, and again whenever the study language changes.
    connect(&translation, &TranslationPreferences::studyLanguageCodeChanged, this,
        [&recognizer, languages] { recognizer.prepare(languages()); });
    QTimer::singleShot(kRecognizerWarmUpDelayMs, this, [&recognizer, languages] { recognizer.prepare(languages()); });
}

void QuillmoorApp::createPanels()
{
    DesktopWindowManager* windows = m_platform->windowManager();
    if (!windows)
        return;
    LookupServices& services = m_lookupServices->services();
    // The matcher exists once the monitors are installed at launch: asked when the pointer leaves.
    m_overlay = std::make_unique<CaptureOverlayWindow>(services, *windows, [this] {
        const HotkeyMatcher* matcher = m_hotkeyInstaller ? m_hotkeyInstaller->matcher() : nullptr;
        return matcher && matcher->isLookupTriggerHeld();
    });
    auto triggerTime = [this]() -> quint64 { return m_hotkeyInstaller ? m_hotkeyInstaller->lastKeyEventTime() : 0; };
    m_quickLookup = std::make_unique<QuickLookupWindow>(services, *windows, triggerTime);
    m_grammarServices = std::make_unique<GrammarAnalysisServices>(GrammarAnalysisServices {
        *m_preferences, m_platform->languageRecognizer(), services.backends, m_lookupServices->grammarAnalysis() });
    m_grammarAnalysis = std::make_unique<GrammarAnalysisWindow>(*m_grammarServices, *windows, triggerTime);
}

void QuillmoorApp::createSectionViews()
{
    m_packInstaller = std::make_unique<PackageKitPackInstaller>(PackageKitPackInstaller::Options {});
    SectionViews views;
    views.languageSettings = [this]() -> QWidget* {
        LanguageSettingsView::Options options;
        options.packs = m_packInstaller.get();
        options.keyMonitor = [this] { return m_hotkeyInstaller->monitor(); };
        // New packages serve their pairs at once: the pairs found missing are asked again.
        options.afterPacksInstalled = [this] {
            m_lookupServices->services().backends.clearAvailability();
            m_lookupServices->prepareTranslation(*m_preferences);
        };
        return new LanguageSettingsView(*m_preferences, *m_hotkeyManager, options);
    };
    views.onboarding = [this](std::function<void()> requestClose) -> QWidget* {
        OnboardingView::Options options;
        options.onRequestClose = std::move(requestClose);
        return new OnboardingView(m_preferences->interfaceLanguage(), options);
    };
    m_delegate->setSectionViews(std::move(views));
}

// Members go in reverse order: flows and windows before the services and stores they use.
QuillmoorApp::~QuillmoorApp() = default;

void QuillmoorApp::offerCrashReport()
{
    AppDelegate* delegate = m_delegate.get();
    m_crashReportOffer = std::make_unique<CrashReportOffer>(
        m_platform->notifications(), *m_tray, [delegate] { delegate->composeFeedback(); });
    m_crashReportOffer->offer();
}

void QuillmoorApp::start()
{
    m_delegate->applicationDidFinishLaunching();
    m_tray->show();
    if (m_platform->session() != PlatformBackends::Session::Wayland)
        return;
    qCCritical(lcApp) << "Wayland session: global triggers and screen capture are unavailable";
    auto* notice = new QMessageBox(
        QMessageBox::Information, QStringLiteral("Quillmoor"), SessionCheck::waylandNotice(), QMessageBox::Ok);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setObjectName(QStringLiteral("waylandNotice"));
    notice->show();
}
