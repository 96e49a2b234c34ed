#pragma once

#include <QList>
#include <QString>

// Bilingual shows a translation into the target language; monolingual explains the word in the
// studied language itself.
enum class TranslationMode { Bilingual, Monolingual };

namespace TranslationModes {
inline QString rawValue(TranslationMode mode)
{
    return mode == TranslationMode::Monolingual ? QStringLiteral("monolingual") : QStringLiteral("bilingual");
}

inline TranslationMode fromRawValue(const QString& raw)
{
    return raw == QLatin1String("monolingual") ? TranslationMode::Monolingual : TranslationMode::Bilingual;
}

inline QList<TranslationMode> all()
{
    return { TranslationMode::Bilingual, TranslationMode::Monolingual };
}
} // namespace TranslationModes
