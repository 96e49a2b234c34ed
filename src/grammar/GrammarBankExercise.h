#pragma once

#include "grammar/GrammarExerciseType.h"
#include "grammar/GrammarLocalizedTexts.h"

#include <QString>
#include <QStringList>

// One exercise of a grammar course file. `prompt` and `explanation` are the source texts that
// cards store; `localized` holds their versions for other interface languages.
struct GrammarBankExercise
{
    QString id;
    GrammarExerciseType type = GrammarExerciseType::MultipleChoice;
    QString prompt;
    QStringList choices;
    QString correctAnswer;
    QString explanation;
    GrammarLocalizedTexts localized;
};
