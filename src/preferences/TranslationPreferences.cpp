#include "preferences/TranslationPreferences.h"

#include "preferences/DefaultsStore.h"

TranslationPreferences::TranslationPreferences(DefaultsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_targetLanguageCode(store.string(kTargetLanguageCodeKey))
    , m_mode(TranslationModes::fromRawValue(store.string(kModeKey).value_or(QString())))
{
    setStudyLanguageCode(store.string(kStudyLanguageCodeKey));
}

void TranslationPreferences::writeOptional(const QString& key, const std::optional<QString>& value)
{
    if (value)
        m_store.setValue(key, *value);
    else
        m_store.remove(key);
}

void TranslationPreferences::setTargetLanguageCode(const std::optional<QString>& code)
{
    writeOptional(kTargetLanguageCodeKey, code);
    if (code == m_targetLanguageCode)
        return;
    m_targetLanguageCode = code;
    Q_EMIT targetLanguageCodeChanged();
}

void TranslationPreferences::setMode(TranslationMode mode)
{
    m_store.setValue(kModeKey, TranslationModes::rawValue(mode));
    if (mode == m_mode)
        return;
    m_mode = mode;
    Q_EMIT modeChanged(mode);
}

void TranslationPreferences::setStudyLanguageCode(const std::optional<QString>& code)
{
    writeOptional(kStudyLanguageCodeKey, code);
    if (code == m_studyLanguageCode)
        return;
    m_studyLanguageCode = code;
    Q_EMIT studyLanguageCodeChanged();
}
