#include "grammar/GeneratedGrammarExercise.h"

#include <QJsonArray>

ModelSchema GeneratedGrammarExercise::schema(const QString& studyLanguageName)
{
    using Type = ModelSchema::FieldType;
    return { QStringLiteral("GeneratedGrammarExercise"),
        { { QStringLiteral("type"), QStringLiteral("Exactly \"cloze\" or \"multipleChoice\""), Type::Text },
            { QStringLiteral("prompt"),
                QStringLiteral("A short natural ") + studyLanguageName
                    + QStringLiteral(" sentence built around one of the given vocabulary words, with the word/grammar "
                                     "form under test replaced by a blank shown as \"___\""),
                Type::Text },
            { QStringLiteral("choices"),
                QStringLiteral("For multipleChoice: exactly 3 short answer options, one of which is correctAnswer. "
                               "For cloze: an empty list."),
                Type::TextList },
            { QStringLiteral("correctAnswer"),
                QStringLiteral("The single correct word or short phrase that fills the blank"), Type::Text },
            { QStringLiteral("explanation"),
                QStringLiteral("A short one-sentence explanation of the grammar rule being tested, written in the "
                               "given explanation language"),
                Type::Text } } };
}

GeneratedGrammarExercise GeneratedGrammarExercise::fromJson(const QJsonObject& record)
{
    GeneratedGrammarExercise exercise;
    exercise.type = record.value(QStringLiteral("type")).toString();
    exercise.prompt = record.value(QStringLiteral("prompt")).toString();
    for (const QJsonValue& choice : record.value(QStringLiteral("choices")).toArray())
        exercise.choices.append(choice.toString());
    exercise.correctAnswer = record.value(QStringLiteral("correctAnswer")).toString();
    exercise.explanation = record.value(QStringLiteral("explanation")).toString();
    return exercise;
}
