#pragma once

#include <QList>

// The four section windows, in the order the section bar lists them.
enum class AppSection { Review, Grammar, LanguageSettings, Onboarding };

namespace AppSections {
inline QList<AppSection> all()
{
    return { AppSection::Review, AppSection::Grammar, AppSection::LanguageSettings, AppSection::Onboarding };
}
} // namespace AppSections
