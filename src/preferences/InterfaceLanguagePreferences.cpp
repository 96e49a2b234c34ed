#include "preferences/InterfaceLanguagePreferences.h"

#include "preferences/DefaultsStore.h"

InterfaceLanguagePreferences::InterfaceLanguagePreferences(DefaultsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
{
    // The loaded value goes once through the setter, so the key is rewritten with what was read.
    setLanguageCode(store.string(kLanguageCodeKey));
}

void InterfaceLanguagePreferences::setLanguageCode(const std::optional<QString>& code)
{
    if (code)
        m_store.setValue(kLanguageCodeKey, *code);
    else
        m_store.remove(kLanguageCodeKey);
    if (code == m_languageCode)
        return;
    m_languageCode = code;
    Q_EMIT languageCodeChanged();
}
