#pragma once

#include "app/AppSection.h"
#include "app/LaunchServices.h"
#include "app/SectionNavigator.h"
#include "preferences/SharedInstance.h"

#include <QObject>

#include <memory>

class AccessibilityTrust;
class CaptureCoordinator;
class FeedbackService;
class GrammarWindowController;
class LanguageSettingsWindowController;
class OnboardingWindowController;
class Preferences;
class ReviewWindowController;

// Owns the long-lived windows of the application and runs its launch sequence.
class AppDelegate : public QObject, public SectionNavigator
{
    Q_OBJECT
public:
    AppDelegate(Preferences& preferences, FeedbackService& feedback, AccessibilityTrust* trust,
                LaunchServices services = {}, QObject* parent = nullptr);
    ~AppDelegate() override;

    static AppDelegate* shared() { return s_shared; }

    void applicationDidFinishLaunching();
    void applicationWillTerminate();

    void showReview();
    void showGrammar();
    void showLanguageSettings();
    void showOnboarding();
    void showQuickLookup();
    void composeFeedback();
    void closeSectionWindows(AppSection except);
    void showSection(AppSection section) override;

    // The capture flows that fired triggers run; absent until the application installs them.
    void setCaptureCoordinator(CaptureCoordinator* coordinator) { m_coordinator = coordinator; }
    CaptureCoordinator* captureCoordinator() const { return m_coordinator; }
    // Runs the flow of a trigger action ("word", "selection", "quickLookup", "grammarAnalysis").
    void fire(const QString& actionID);
    qint64 captureGeneration() const;

    ReviewWindowController* reviewWindowController() const { return m_review.get(); }
    GrammarWindowController* grammarWindowController() const { return m_grammar.get(); }
    LanguageSettingsWindowController* languageSettingsWindowController() const { return m_languageSettings.get(); }
    OnboardingWindowController* onboardingWindowController() const { return m_onboarding.get(); }

Q_SIGNALS:
    void quickLookupRequested();

private:
    void onboardingFinished();

    static inline AppDelegate* s_shared = nullptr;

    Preferences& m_preferences;
    FeedbackService& m_feedback;
    AccessibilityTrust* m_trust;
    LaunchServices m_services;
    std::unique_ptr<LanguageSettingsWindowController> m_languageSettings;
    std::unique_ptr<OnboardingWindowController> m_onboarding;
    std::unique_ptr<ReviewWindowController> m_review;
    std::unique_ptr<GrammarWindowController> m_grammar;
    CaptureCoordinator* m_coordinator = nullptr;
};
