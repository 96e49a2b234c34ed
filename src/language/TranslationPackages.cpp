#include "language/TranslationPackages.h"

#include "capture/OCRLanguages.h"
#include "preferences/LanguageCodes.h"
#include "preferences/SupportedLanguages.h"

namespace {

// FreeDict dictionaries in Debian 12 between the study languages, by ISO 639-3 pair.
const char* const kDictionaries[] = { "ara-eng", "deu-eng", "deu-fra", "deu-ita", "deu-por", "deu-rus", "deu-spa",
    "deu-tur", "eng-ara", "eng-deu", "eng-fra", "eng-ita", "eng-jpn", "eng-por", "eng-rus", "eng-spa", "eng-tur",
    "fra-deu", "fra-eng", "fra-ita", "fra-jpn", "fra-por", "fra-rus", "fra-spa", "fra-tur", "ita-deu", "ita-eng",
    "ita-jpn", "ita-por", "ita-rus", "ita-spa", "ita-tur", "jpn-deu", "jpn-eng", "jpn-fra", "jpn-rus", "por-deu",
    "por-eng", "por-fra", "por-spa", "spa-deu", "spa-eng", "spa-por", "tur-deu", "tur-eng" };

// Apertium pairs in Debian 12 between the study languages; each translates both ways.
struct ApertiumPair
{
    const char* first;
    const char* second;
    const char* package;
};
const ApertiumPair kApertium[] = { { "en", "es", "apertium-eng-spa" }, { "fr", "es", "apertium-fr-es" },
    { "es", "pt", "apertium-es-pt" }, { "es", "it", "apertium-spa-ita" } };

} // namespace

namespace TranslationPackages {

QString packageFor(const QString& source, const QString& target)
{
    const QString s = LanguageCodes::base(source), t = LanguageCodes::base(target);
    const QString pair = LanguageCodes::threeLetter(s) + QLatin1Char('-') + LanguageCodes::threeLetter(t);
    for (const char* dictionary : kDictionaries) {
        if (pair == QLatin1String(dictionary))
            return QStringLiteral("dict-freedict-") + pair;
    }
    for (const ApertiumPair& apertium : kApertium) {
        if ((s == QLatin1String(apertium.first) && t == QLatin1String(apertium.second))
            || (s == QLatin1String(apertium.second) && t == QLatin1String(apertium.first)))
            return QLatin1String(apertium.package);
    }
    return {};
}

QStringList packagesFor(const QString& source, const QString& target)
{
    const QString s = LanguageCodes::base(source), t = LanguageCodes::base(target);
    QStringList packages;
    const QString pair = LanguageCodes::threeLetter(s) + QLatin1Char('-') + LanguageCodes::threeLetter(t);
    for (const char* dictionary : kDictionaries) {
        if (pair == QLatin1String(dictionary))
            packages << QStringLiteral("dict-freedict-") + pair;
    }
    for (const ApertiumPair& apertium : kApertium) {
        if ((s == QLatin1String(apertium.first) && t == QLatin1String(apertium.second))
            || (s == QLatin1String(apertium.second) && t == QLatin1String(apertium.first)))
            packages << QLatin1String(apertium.package);
    }
    return packages;
}

QStringList forLanguages(const std::optional<QString>& study, const QString& target)
{
    QStringList sources;
    if (study && !study->isEmpty()) {
        sources << *study;
    } else {
        for (const LanguageOption& option : SupportedLanguages::all())
            sources << option.id;
    }
    QStringList packages;
    for (const QString& source : std::as_const(sources)) {
        if (LanguageCodes::base(source) == LanguageCodes::base(target))
            continue;
        packages << packagesFor(source, target) << packagesFor(target, source);
    }
    if (study) {
        // Debian names the data of "chi_sim" tesseract-ocr-chi-sim.
        const QString data = OCRLanguages::dataNameFor(*study);
        if (!data.isEmpty())
            packages << QStringLiteral("tesseract-ocr-") + QString(data).replace(QLatin1Char('_'), QLatin1Char('-'));
    }
    packages.removeDuplicates();
    return packages;
}

QStringList all()
{
    QStringList packages;
    for (const char* dictionary : kDictionaries)
        packages << QStringLiteral("dict-freedict-") + QLatin1String(dictionary);
    for (const ApertiumPair& apertium : kApertium)
        packages << QLatin1String(apertium.package);
    return packages;
}

} // namespace TranslationPackages
