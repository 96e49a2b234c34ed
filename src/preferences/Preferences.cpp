#include "preferences/Preferences.h"

Preferences::Preferences(const QString& filePath)
    : m_store(filePath)
    , m_anki(m_store)
    , m_appearance(m_store)
    , m_interfaceLanguage(m_store)
    , m_translation(m_store)
    , m_notifications(m_store)
    , m_onboarding(m_store)
{
}

Preferences::~Preferences()
{
    AnkiPreferences::uninstallShared(&m_anki);
    AppearancePreferences::uninstallShared(&m_appearance);
    InterfaceLanguagePreferences::uninstallShared(&m_interfaceLanguage);
    TranslationPreferences::uninstallShared(&m_translation);
    NotificationPreferences::uninstallShared(&m_notifications);
    OnboardingPreferences::uninstallShared(&m_onboarding);
}

void Preferences::installShared()
{
    AnkiPreferences::installShared(&m_anki);
    AppearancePreferences::installShared(&m_appearance);
    InterfaceLanguagePreferences::installShared(&m_interfaceLanguage);
    TranslationPreferences::installShared(&m_translation);
    NotificationPreferences::installShared(&m_notifications);
    OnboardingPreferences::installShared(&m_onboarding);
}
