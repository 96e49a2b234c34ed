#pragma once

#include "language/ModelSchema.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// One exercise the language model writes around a word the learner has studied. The type, the
// number of choices and the correct answer being among them are requests, not guarantees.
struct GeneratedGrammarExercise
{
    QString type;
    QString prompt; // in the study language, with "___" for the gap
    QStringList choices;
    QString correctAnswer;
    QString explanation; // in the explanation language

    bool operator==(const GeneratedGrammarExercise&) const = default;

    // The record's schema; the prompt is described as a sentence in the study language (its English
    // name), so that the model does not fall back to English sentences.
    static ModelSchema schema(const QString& studyLanguageName);
    static GeneratedGrammarExercise fromJson(const QJsonObject& record);
};
