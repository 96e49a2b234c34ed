#pragma once

#include "preferences/AnkiPreferences.h"
#include "preferences/AppearancePreferences.h"
#include "preferences/DefaultsStore.h"
#include "preferences/InterfaceLanguagePreferences.h"
#include "preferences/NotificationPreferences.h"
#include "preferences/OnboardingPreferences.h"
#include "preferences/TranslationPreferences.h"

// All preference groups over one defaults store. The application creates one at start and passes
// the groups to what reads them; tests create their own over a temporary file.
class Preferences
{
public:
    explicit Preferences(const QString& filePath = DefaultsStore::defaultFilePath());
    Preferences(const Preferences&) = delete;
    Preferences& operator=(const Preferences&) = delete;

    DefaultsStore& store() { return m_store; }
    AnkiPreferences& anki() { return m_anki; }
    AppearancePreferences& appearance() { return m_appearance; }
    InterfaceLanguagePreferences& interfaceLanguage() { return m_interfaceLanguage; }
    TranslationPreferences& translation() { return m_translation; }
    NotificationPreferences& notifications() { return m_notifications; }
    OnboardingPreferences& onboarding() { return m_onboarding; }

private:
    DefaultsStore m_store;
    AnkiPreferences m_anki;
    AppearancePreferences m_appearance;
    InterfaceLanguagePreferences m_interfaceLanguage;
    TranslationPreferences m_translation;
    NotificationPreferences m_notifications;
    OnboardingPreferences m_onboarding;
};
