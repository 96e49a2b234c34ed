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
