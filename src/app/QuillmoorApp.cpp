#include "app/QuillmoorApp.h"

#include "app/AccessibilityPrompt.h"
#include "capture/AccessibilityWordCapture.h"
#include "capture/DesktopSelectionCapture.h"
#include "capture/ScreenOCRCapture.h"
#include "platform/ScreenGrabber.h"
#include "platform/tesseract/TesseractRecognizer.h"
#include "preferences/TranslationPreferences.h"
#include "platform/PrimarySelection.h"
#include "platform/atspi/AtspiDesktop.h"
#include "app/AppDelegate.h"
#include "app/CaptureCoordinator.h"
#include "app/DesktopCaptureEnvironment.h"
#include "app/GlobalHotkeyInstaller.h"
#include "app/InterfaceTranslator.h"
#include "app/LookupServiceStack.h"
#include "hotkeys/HotkeyMatcher.h"
#include "panels/CaptureOverlayWindow.h"
#include "panels/QuickLookupWindow.h"
#include "platform/DesktopWindowManager.h"
#include "app/SessionCheck.h"
#include "app/TrayIconController.h"
#include "diagnostics/QMLog.h"
#include "diagnostics/DiagnosticsService.h"
#include "diagnostics/FeedbackService.h"
#include "hotkeys/HotkeyManager.h"
#include "platform/AccessibilityTrust.h"
#include "platform/GlobalKeyMonitor.h"
#include "platform/MailComposer.h"
#include "preferences/Preferences.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTimer>

QuillmoorApp::QuillmoorApp()
    : QuillmoorApp(Paths { DefaultsStore::defaultFilePath(), DiagnosticsService::defaultFilePath() })
{
}

QuillmoorApp::QuillmoorApp(Paths paths, QObject* parent)
    : QObject(parent)
    , m_preferences(std::make_unique<Preferences>(paths.defaults))
    , m_diagnostics(std::make_unique<DiagnosticsService>(paths.diagnostics))
{
    m_preferences->installShared();
    DiagnosticsService::installShared(m_diagnostics.get());
    m_translator = std::make_unique<InterfaceTranslator>(m_preferences->interfaceLanguage());
    m_feedback = std::make_unique<FeedbackService>(MailComposer::createDefault(), m_diagnostics.get(),
        [](const QUrl& url) { return QDesktopServices::openUrl(url); });
    m_trust = AccessibilityTrust::createDefault();
    m_trust->setPrompter([this] { AccessibilityPrompt::show(*m_trust); });
    m_hotkeyManager = std::make_unique<HotkeyManager>(m_preferences->store());
    HotkeyManager::installShared(m_hotkeyManager.get());
    m_captureEnvironment = std::make_unique<DesktopCaptureEnvironment>();
    m_lookupServices = std::make_unique<LookupServiceStack>(*m_preferences);
    CaptureCoordinator::Collaborators collaborators;
    if (!SessionCheck::isWaylandSession() && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        createPanels();
        collaborators.overlay = m_overlay.get();
        collaborators.quickLookup = m_quickLookup.get();
        m_accessibilityDesktop = std::make_unique<AtspiDesktop>();
        m_wordCapture = std::make_unique<AccessibilityWordCapture>(*m_accessibilityDesktop);
        m_primarySelection = PrimarySelection::createX11();
        m_selectionCapture = std::make_unique<DesktopSelectionCapture>(*m_accessibilityDesktop, *m_primarySelection);
        collaborators.word = m_wordCapture.get();
        collaborators.selection = m_selectionCapture.get();
        createScreenRecognition();
        collaborators.ocr = m_ocrCapture.get();
    }
    m_coordinator = std::make_unique<CaptureCoordinator>(collaborators, *m_captureEnvironment);
    m_hotkeyInstaller = std::make_unique<GlobalHotkeyInstaller>(*m_hotkeyManager, *m_coordinator, [] {
        // A Wayland session shows its notice instead; an X client there would see only other X clients.
        return SessionCheck::isWaylandSession() ? nullptr : GlobalKeyMonitor::createX11();
    });
    LaunchServices services;
    services.hotkeys = m_hotkeyInstaller.get();
    m_delegate = std::make_unique<AppDelegate>(*m_preferences, *m_feedback, m_trust.get(), services);
    m_delegate->setCaptureCoordinator(m_coordinator.get());
    if (m_quickLookup)
        connect(m_delegate.get(), &AppDelegate::quickLookupRequested, m_quickLookup.get(), &QuickLookupWindow::show);
    m_tray = std::make_unique<TrayIconController>(*m_delegate);
    connect(m_tray.get(), &TrayIconController::quitRequested, qApp, &QCoreApplication::quit);
    connect(qApp, &QCoreApplication::aboutToQuit, m_delegate.get(), &AppDelegate::applicationWillTerminate);
}

void QuillmoorApp::createScreenRecognition()
{
    TranslationPreferences& translation = m_preferences->translation();
    auto languages = [&translation] { return TesseractRecognizer::languagesForStudy(translation.studyLanguageCode()); };
    m_screenGrabber = ScreenGrabber::createX11();
    m_textRecognizer = std::make_unique<TesseractRecognizer>();
    m_ocrCapture = std::make_unique<ScreenOCRCapture>(
        *m_screenGrabber, *m_textRecognizer, ScreenOCRCapture::desktopEnvironment(languages));
    // Loading the language data takes a second or two: done on the recogniser's thread, after
    // start-up, and again whenever the study language changes.
    connect(&translation, &TranslationPreferences::studyLanguageCodeChanged, this,
        [this, languages] { m_textRecognizer->prepare(languages()); });
    QTimer::singleShot(kRecognizerWarmUpDelayMs, this, [this, languages] { m_textRecognizer->prepare(languages()); });
}

void QuillmoorApp::createPanels()
{
    m_windowManager = DesktopWindowManager::createDefault();
    // The installer's monitor and matcher come later, at launch: look them up when asked.
    TriggerProbe triggers;
    triggers.combo = [this](const char* id) -> std::optional<HotkeyCombo> {
        const QString name = QString::fromLatin1(id);
        if (!m_hotkeyManager->isRegistered(name))
            return std::nullopt;
        return m_hotkeyManager->combo(name);
    };
    triggers.currentModifiers = [this]() -> quint32 {
        const GlobalKeyMonitor* monitor = m_hotkeyInstaller ? m_hotkeyInstaller->monitor() : nullptr;
        return monitor ? monitor->currentModifiers() : 0;
    };
    triggers.isKeyDown = [this](quint16 code) {
        const HotkeyMatcher* matcher = m_hotkeyInstaller ? m_hotkeyInstaller->matcher() : nullptr;
        return matcher && matcher->heldKeys().isDown(code);
    };
    m_overlay = std::make_unique<CaptureOverlayWindow>(m_lookupServices->services(), *m_windowManager, triggers);
    m_quickLookup = std::make_unique<QuickLookupWindow>(m_lookupServices->services(), *m_windowManager,
        [this]() -> quint64 { return m_hotkeyInstaller ? m_hotkeyInstaller->lastKeyEventTime() : 0; });
}

QuillmoorApp::~QuillmoorApp()
{
    m_tray.reset();
    m_delegate.reset();
    m_hotkeyInstaller.reset();
    m_coordinator.reset();
    m_ocrCapture.reset();
    m_textRecognizer.reset();
    m_quickLookup.reset();
    m_overlay.reset();
    HotkeyManager::uninstallShared(m_hotkeyManager.get());
    DiagnosticsService::uninstallShared(m_diagnostics.get());
}

void QuillmoorApp::start()
{
    m_delegate->applicationDidFinishLaunching();
    m_tray->show();
    if (SessionCheck::isWaylandSession()) {
        qCCritical(lcApp) << "Wayland session: global triggers and screen capture are unavailable";
        auto* notice = new QMessageBox(
            QMessageBox::Information, QStringLiteral("Quillmoor"), SessionCheck::waylandNotice(), QMessageBox::Ok);
        notice->setAttribute(Qt::WA_DeleteOnClose);
        notice->setObjectName(QStringLiteral("waylandNotice"));
        notice->show();
    }
}
