#include "app/AppDelegate.h"

#include "app/GrammarWindowController.h"
#include "app/LanguageSettingsWindowController.h"
#include "app/OnboardingWindowController.h"
#include "app/ReviewWindowController.h"
#include "app/SectionWindow.h"
#include "capture/CaptureCoordinator.h"
#include "diagnostics/FeedbackService.h"
#include "diagnostics/QMLog.h"
#include "platform/AccessibilityTrust.h"
#include "preferences/Preferences.h"

#include <QPointer>
#include <QScreen>

namespace {
QString rectText(const QRect& r)
{
    return QStringLiteral("{{%1, %2}, {%3, %4}}").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
} // namespace

AppDelegate::AppDelegate(Preferences& preferences, FeedbackService& feedback, AccessibilityTrust* trust,
    LaunchServices services, QObject* parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_feedback(feedback)
    , m_trust(trust)
    , m_services(services)
{
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::adopt(SectionWindowController& controller)
{
    connect(&controller, &SectionWindowController::sectionRequested, this, &AppDelegate::showSection);
}

void AppDelegate::applicationDidFinishLaunching()
{
    const bool trusted = m_trust && m_trust->isTrusted(true);
    qCInfo(lcApp).noquote() << QStringLiteral("Accessibility trusted: %1").arg(trusted ? "true" : "false");

    if (m_services.reminders)
        m_services.reminders->startReminders();
    else
        qCDebug(lcApp) << "Review reminders are not part of this build";
    if (m_services.achievements)
        m_services.achievements->checkForNewlyUnlocked();

    if (!m_preferences.onboarding().hasCompletedOnboarding())
        showOnboarding();
    else if (!m_preferences.translation().targetLanguageCode())
        showLanguageSettings();

    if (m_services.hotkeys) {
        m_services.hotkeys->registerActions();
        m_services.hotkeys->installMonitors();
    } else {
        qCDebug(lcApp) << "Global triggers are not part of this build";
    }
}

void AppDelegate::applicationWillTerminate()
{
    if (m_services.hotkeys)
        m_services.hotkeys->removeMonitors();
}

void AppDelegate::closeSectionWindows(AppSection except)
{
    SectionWindowController* controllers[]
        = { m_review.get(), m_grammar.get(), m_languageSettings.get(), m_onboarding.get() };
    for (SectionWindowController* controller : controllers) {
        if (controller && controller->section() != except)
            controller->close();
    }
}

void AppDelegate::showSection(AppSection section)
{
    switch (section) {
    case AppSection::Review:
        showReview();
        return;
    case AppSection::Grammar:
        showGrammar();
        return;
    case AppSection::LanguageSettings:
        showLanguageSettings();
        return;
    case AppSection::Onboarding:
        showOnboarding();
        return;
    }
}

void AppDelegate::showReview()
{
    closeSectionWindows(AppSection::Review);
    // A fresh controller every time: the review screen always opens in its initial state.
    m_review = std::make_unique<ReviewWindowController>(
        m_cardStore, m_preferences.interfaceLanguage(), m_services.achievements);
    adopt(*m_review);
    m_review->showWindow();
}

void AppDelegate::showGrammar()
{
    closeSectionWindows(AppSection::Grammar);
    // A fresh controller every time: the grammar window always opens on the topic list.
    m_grammar = std::make_unique<GrammarWindowController>(m_grammarCourse, m_services.achievements);
    adopt(*m_grammar);
    m_grammar->showWindow();
}

void AppDelegate::showLanguageSettings()
{
    closeSectionWindows(AppSection::LanguageSettings);
    qCDebug(lcSettings) << "showLanguageSettings() called";
    if (!m_languageSettings) {
        m_languageSettings = std::make_unique<LanguageSettingsWindowController>(m_views.languageSettings);
        adopt(*m_languageSettings);
    }
    m_languageSettings->showWindowUnfocused();
    const SectionWindow* window = m_languageSettings->window();
    if (!window) {
        qCCritical(lcSettings) << "Settings window is nil";
        return;
    }
    const QScreen* screen = window->screen();
    qCDebug(lcSettings).noquote() << QStringLiteral("Settings window — frame: %1, isVisible: %2, screen: %3")
                                         .arg(rectText(window->frameGeometry()),
                                             window->isVisible() ? QStringLiteral("true") : QStringLiteral("false"),
                                             screen ? rectText(screen->geometry()) : QStringLiteral("nil"));
}

void AppDelegate::showOnboarding()
{
    closeSectionWindows(AppSection::Onboarding);
    if (!m_onboarding) {
        m_onboarding = std::make_unique<OnboardingWindowController>(m_views.onboarding);
        adopt(*m_onboarding);
        QPointer<AppDelegate> self(this);
        m_onboarding->setOnFinish([self] {
            if (self)
                self->onboardingFinished();
        });
    }
    m_onboarding->showWindow();
}

void AppDelegate::onboardingFinished()
{
    const bool wasCompleted = m_preferences.onboarding().hasCompletedOnboarding();
    m_preferences.onboarding().setHasCompletedOnboarding(true);
    if (!wasCompleted && !m_preferences.translation().targetLanguageCode())
        showLanguageSettings();
}

void AppDelegate::showQuickLookup()
{
    Q_EMIT quickLookupRequested();
}

void AppDelegate::composeFeedback()
{
    m_feedback.composeFeedbackEmail();
}

void AppDelegate::fire(HotkeyAction action)
{
    if (m_coordinator)
        m_coordinator->fire(action);
}

bool AppDelegate::runAction(const QString& name)
{
    qCInfo(lcApp).noquote() << QStringLiteral("Action \"%1\" requested").arg(name);
    if (name == QLatin1String("quick-lookup"))
        showQuickLookup();
    else if (name == QLatin1String("translate-selection"))
        fire(HotkeyAction::Selection);
    else if (name == QLatin1String("grammar-analysis"))
        fire(HotkeyAction::GrammarAnalysis);
    else if (name == QLatin1String("review"))
        showReview();
    else if (name == QLatin1String("settings"))
        showLanguageSettings();
    else
        return false;
    return true;
}

qint64 AppDelegate::captureGeneration() const
{
    return m_coordinator ? m_coordinator->captureGeneration() : 0;
}
