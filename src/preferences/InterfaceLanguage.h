#pragma once

#include <QList>
#include <QString>

#include <optional>

// Language of the user interface; Russian is the source language of every text.
enum class InterfaceLanguage { Ru, En, Es, Zh, Ja, Fr };

namespace InterfaceLanguages {
inline QList<InterfaceLanguage> all()
{
    return { InterfaceLanguage::Ru, InterfaceLanguage::En, InterfaceLanguage::Es, InterfaceLanguage::Zh,
        InterfaceLanguage::Ja, InterfaceLanguage::Fr };
}

inline QString rawValue(InterfaceLanguage language)
{
    switch (language) {
    case InterfaceLanguage::Ru:
        return QStringLiteral("ru");
    case InterfaceLanguage::En:
        return QStringLiteral("en");
    case InterfaceLanguage::Es:
        return QStringLiteral("es");
    case InterfaceLanguage::Zh:
        return QStringLiteral("zh");
    case InterfaceLanguage::Ja:
        return QStringLiteral("ja");
    case InterfaceLanguage::Fr:
        return QStringLiteral("fr");
    }
    return QStringLiteral("ru");
}

inline std::optional<InterfaceLanguage> fromRawValue(const QString& raw)
{
    for (InterfaceLanguage language : all()) {
        if (rawValue(language) == raw)
            return language;
    }
    return std::nullopt;
}
} // namespace InterfaceLanguages
