#pragma once

#include "app/AppSection.h"
#include "app/LaunchServices.h"
#include "app/SectionViews.h"
#include "hotkeys/HotkeyAction.h"

#include <QObject>

#include <memory>

class AccessibilityTrust;
class CaptureCoordinator;
class FeedbackService;
struct GrammarCourseServices;
class GrammarWindowController;
class LanguageSettingsWindowController;
class OnboardingWindowController;
class Preferences;
class ReviewWindowController;
class SectionWindowController;
class VocabCardStore;

// Owns the long-lived windows of the application and runs its launch sequence.
class AppDelegate : public QObject
{
    Q_OBJECT
public:
    AppDelegate(Preferences& preferences, FeedbackService& feedback, AccessibilityTrust* trust,
        LaunchServices services = {}, QObject* parent = nullptr);
    ~AppDelegate() override;

    void applicationDidFinishLaunching();
    void applicationWillTerminate();

    void showReview();
    void showGrammar();
    void showLanguageSettings();
    void showOnboarding();
    void showQuickLookup();
    void composeFeedback();
    void closeSectionWindows(AppSection except);
    void showSection(AppSection section);

    // The capture flows that fired triggers run; absent until the application installs them.
    void setCaptureCoordinator(CaptureCoordinator* coordinator) { m_coordinator = coordinator; }
    CaptureCoordinator* captureCoordinator() const { return m_coordinator; }
    // The cards the review window reviews; absent, it shows only its section bar.
    void setCardStore(VocabCardStore* store) { m_cardStore = store; }
    // What the grammar window works with; absent, it shows only its section bar.
    void setGrammarCourse(const GrammarCourseServices* course) { m_grammarCourse = course; }
    // The contents of the settings and guide windows, built when a window is first opened.
    void setSectionViews(SectionViews views) { m_views = std::move(views); }
    // Runs the flow of a trigger action.
    void fire(HotkeyAction action);
    // Runs an action the desktop asked for by name ("quick-lookup", "translate-selection",
    // "grammar-analysis", "review", "settings"); false for another name.
    bool runAction(const QString& name);
    qint64 captureGeneration() const;

    ReviewWindowController* reviewWindowController() const { return m_review.get(); }
    GrammarWindowController* grammarWindowController() const { return m_grammar.get(); }
    LanguageSettingsWindowController* languageSettingsWindowController() const { return m_languageSettings.get(); }
    OnboardingWindowController* onboardingWindowController() const { return m_onboarding.get(); }

Q_SIGNALS:
    void quickLookupRequested();

private:
    void onboardingFinished();
    // Buttons of the controller's section bar open other sections.
    void adopt(SectionWindowController& controller);

    Preferences& m_preferences;
    FeedbackService& m_feedback;
    AccessibilityTrust* m_trust;
    LaunchServices m_services;
    std::unique_ptr<LanguageSettingsWindowController> m_languageSettings;
    std::unique_ptr<OnboardingWindowController> m_onboarding;
    std::unique_ptr<ReviewWindowController> m_review;
    std::unique_ptr<GrammarWindowController> m_grammar;
    CaptureCoordinator* m_coordinator = nullptr;
    VocabCardStore* m_cardStore = nullptr;
    const GrammarCourseServices* m_grammarCourse = nullptr;
    SectionViews m_views;
};
