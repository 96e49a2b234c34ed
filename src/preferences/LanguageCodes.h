#pragma once

#include <QString>

// Conversions between the language codes the back-ends name their data by.
class LanguageCodes
{
public:
    // "pt-BR", "pt_BR" → "pt"; lower case.
    static QString base(const QString& code);
    // "en" → "eng" (ISO 639-3, as Apertium and FreeDict name their files); empty when unknown.
    static QString threeLetter(const QString& code);
    // The English name of a language code ("es" → "Spanish"), as model prompts name languages;
    // the code itself when it names no language.
    static QString englishName(const QString& code);
};
