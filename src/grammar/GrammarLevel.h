#pragma once

#include <QList>
#include <QString>

#include <optional>

// Course levels in their sort order; course files and the course screen use the raw values.
enum class GrammarLevel { A1, A2, B1 };

namespace GrammarLevels {

inline QList<GrammarLevel> all()
{
    return { GrammarLevel::A1, GrammarLevel::A2, GrammarLevel::B1 };
}

inline QString rawValue(GrammarLevel level)
{
    switch (level) {
    case GrammarLevel::A1:
        return QStringLiteral("a1");
    case GrammarLevel::A2:
        return QStringLiteral("a2");
    case GrammarLevel::B1:
        return QStringLiteral("b1");
    }
    return QStringLiteral("a1");
}

inline std::optional<GrammarLevel> fromRawValue(const QString& raw)
{
    for (GrammarLevel level : all()) {
        if (rawValue(level) == raw)
            return level;
    }
    return std::nullopt;
}

} // namespace GrammarLevels
