#include "capture/OCRLanguages.h"

#include "preferences/LanguageCodes.h"
#include "preferences/SupportedLanguages.h"

namespace OCRLanguages {

QString dataNameFor(const QString& languageCode)
{
    const QString base = LanguageCodes::base(languageCode);
    if (!SupportedLanguages::contains(base))
        return {};
    // Tesseract names its data by ISO 639-3 codes, with the script for Chinese.
    if (base == QLatin1String("zh"))
        return QStringLiteral("chi_sim");
    return LanguageCodes::threeLetter(languageCode);
}

QStringList forStudy(const std::optional<QString>& studyLanguageCode, const QStringList& installed)
{
    QStringList languages;
    for (const QString& name :
        { studyLanguageCode ? dataNameFor(*studyLanguageCode) : QString(), QStringLiteral("eng") }) {
        if (!name.isEmpty() && installed.contains(name) && !languages.contains(name))
            languages.append(name);
    }
    return languages;
}

} // namespace OCRLanguages
