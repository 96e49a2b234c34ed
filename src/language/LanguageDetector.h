#pragma once

#include "language/LanguageDetection.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class LanguageRecognizer;

// Decides the language to translate from, from the recogniser's guess and the user's study and
// target languages.
class LanguageDetector
{
    Q_DECLARE_TR_FUNCTIONS(LanguageDetector)
public:
    explicit LanguageDetector(const LanguageRecognizer& recognizer);

    // studyCode and targetCode: the user's languages; interfaceCode: the locale of the notice.
    LanguageDetection detect(const QString& word, const QString& sentence, const std::optional<QString>& studyCode,
        const std::optional<QString>& targetCode, const QString& interfaceCode) const;

    // "По всей видимости, это <name> язык" with the language's name in the interface locale.
    static QString noticeText(const QString& languageCode, const QString& interfaceCode);
    // "pt-BR" → "pt"; empty when there is none.
    static QString baseCode(const std::optional<QString>& code);

private:
    const LanguageRecognizer& m_recognizer;
};
