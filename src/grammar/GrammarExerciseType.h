#pragma once

#include <QString>

#include <optional>

// The three kinds of course exercise; cards and course files store the raw value.
enum class GrammarExerciseType { Cloze, MultipleChoice, WordOrder };

namespace GrammarExerciseTypes {

inline QString rawValue(GrammarExerciseType type)
{
    switch (type) {
    case GrammarExerciseType::Cloze:
        return QStringLiteral("cloze");
    case GrammarExerciseType::MultipleChoice:
        return QStringLiteral("multipleChoice");
    case GrammarExerciseType::WordOrder:
        return QStringLiteral("wordOrder");
    }
    return QStringLiteral("multipleChoice");
}

inline std::optional<GrammarExerciseType> fromRawValue(const QString& raw)
{
    for (GrammarExerciseType type :
        { GrammarExerciseType::Cloze, GrammarExerciseType::MultipleChoice, GrammarExerciseType::WordOrder }) {
        if (rawValue(type) == raw)
            return type;
    }
    return std::nullopt;
}

} // namespace GrammarExerciseTypes
