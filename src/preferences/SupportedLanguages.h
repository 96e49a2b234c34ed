#pragma once

#include "preferences/LanguageOption.h"

#include <QList>

// The twelve study and target languages, in the order the pickers show them.
class SupportedLanguages
{
public:
    static const QList<LanguageOption>& all();
    static bool contains(const QString& code);
    static QString displayName(const QString& code);
    // English name of a language code, as the language model prompts use it.
    static QString englishName(const QString& code);
};
