#pragma once

#include "preferences/TranslationMode.h"

#include <QObject>

#include <optional>

class DefaultsStore;

class TranslationPreferences : public QObject
{
    Q_OBJECT
public:
    static inline const QString kTargetLanguageCodeKey = QStringLiteral("translation.targetLanguageCode");
    static inline const QString kModeKey = QStringLiteral("translation.mode");
    static inline const QString kStudyLanguageCodeKey = QStringLiteral("translation.studyLanguageCode");

    explicit TranslationPreferences(DefaultsStore& store, QObject* parent = nullptr);

    std::optional<QString> targetLanguageCode() const { return m_targetLanguageCode; }
    void setTargetLanguageCode(const std::optional<QString>& code);

    TranslationMode mode() const { return m_mode; }
    void setMode(TranslationMode mode);

    std::optional<QString> studyLanguageCode() const { return m_studyLanguageCode; }
    void setStudyLanguageCode(const std::optional<QString>& code);

    // Other components keep their own "translation." settings in the same store.
    DefaultsStore& store() const { return m_store; }

Q_SIGNALS:
    void targetLanguageCodeChanged();
    void modeChanged(TranslationMode mode);
    void studyLanguageCodeChanged();

private:
    void writeOptional(const QString& key, const std::optional<QString>& value);

    DefaultsStore& m_store;
    std::optional<QString> m_targetLanguageCode;
    TranslationMode m_mode;
    std::optional<QString> m_studyLanguageCode;
};
