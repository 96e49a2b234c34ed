#pragma once

#include "grammar/GrammarExerciseType.h"

#include <QString>
#include <QStringList>

// One exercise of a grammar course file.
struct GrammarBankExercise
{
    QString id;
    GrammarExerciseType type = GrammarExerciseType::MultipleChoice;
    QString prompt;
    QStringList choices;
    QString correctAnswer;
    QString explanation;
};
