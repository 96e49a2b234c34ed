#pragma once

#include "grammar/GrammarBankExercise.h"
#include "grammar/GrammarLevel.h"
#include "grammar/GrammarLocalizedTexts.h"

#include <QList>
#include <QString>
#include <QStringList>

// One topic of a grammar course: theory, search keywords and exercises. `title` is the source
// title that grammar cards store and filter by, whatever the interface language.
struct GrammarBankTopic
{
    QString id;
    QString title;
    QString subtitle;
    QString systemImage;
    GrammarLevel level = GrammarLevel::A1;
    QString theory;
    QStringList searchKeywords;
    QList<GrammarBankExercise> exercises;
    GrammarLocalizedTexts localized;

    QString displayTitle(InterfaceLanguage language) const
    {
        return localized.text(language, QStringLiteral("title"), title);
    }
    QString displaySubtitle(InterfaceLanguage language) const
    {
        return localized.text(language, QStringLiteral("subtitle"), subtitle);
    }
    QString displayTheory(InterfaceLanguage language) const
    {
        return localized.text(language, QStringLiteral("theory"), theory);
    }
};
