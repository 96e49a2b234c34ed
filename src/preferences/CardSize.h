#pragma once

#include <QString>
#include <QStringList>

// Size of the lookup panel's card.
enum class CardSize { Compact, Medium, Spacious };

namespace CardSizes {
inline QString rawValue(CardSize size)
{
    switch (size) {
    case CardSize::Compact:
        return QStringLiteral("compact");
    case CardSize::Medium:
        return QStringLiteral("medium");
    case CardSize::Spacious:
        return QStringLiteral("spacious");
    }
    return QStringLiteral("medium");
}

// Raw values are matched exactly; anything else reads as the default.
inline CardSize fromRawValue(const QString& raw)
{
    if (raw == QLatin1String("compact"))
        return CardSize::Compact;
    if (raw == QLatin1String("spacious"))
        return CardSize::Spacious;
    return CardSize::Medium;
}

inline QList<CardSize> all()
{
    return { CardSize::Compact, CardSize::Medium, CardSize::Spacious };
}
} // namespace CardSizes
