#include "language/LanguageDetector.h"

#include "platform/LanguageRecognizer.h"
#include "preferences/SupportedLanguages.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace {
constexpr double kConfident = 0.55;
constexpr double kDoubtful = 0.2;

QStringList supportedCodes()
{
    QStringList codes;
    for (const LanguageOption& option : SupportedLanguages::all())
        codes << option.id;
    return codes;
}
} // namespace

LanguageDetector::LanguageDetector(const LanguageRecognizer& recognizer)
    : m_recognizer(recognizer)
{
}

QString LanguageDetector::baseCode(const std::optional<QString>& code)
{
    if (!code)
        return {};
    return code->section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

QString LanguageDetector::noticeText(const QString& languageCode, const QString& interfaceCode)
{
    icu::UnicodeString name;
    icu::Locale(languageCode.toUtf8().constData())
        .getDisplayLanguage(icu::Locale(interfaceCode.toUtf8().constData()), name);
    std::string utf8;
    name.toUTF8String(utf8);
    QString shown = QString::fromStdString(utf8);
    // ICU echoes the code back when it knows no name.
    if (shown.isEmpty())
        shown = languageCode;
    return tr("По всей видимости, это %1 язык").arg(shown.toLower());
}

LanguageDetection LanguageDetector::detect(const QString& word, const QString& sentence,
    const std::optional<QString>& studyCode, const std::optional<QString>& targetCode,
    const QString& interfaceCode) const
{
    const QString text = sentence.isEmpty() ? word : sentence;
    if (text.isEmpty())
        return { studyCode, std::nullopt };
    const QList<LanguageHypothesis> guesses = m_recognizer.hypotheses(text, supportedCodes(), 2);
    if (guesses.isEmpty())
        return { studyCode, std::nullopt };
    LanguageHypothesis best = guesses.first();
    for (const LanguageHypothesis& guess : guesses) {
        if (guess.probability > best.probability)
            best = guess;
    }
    const QString detected = baseCode(best.code);
    const double p = best.probability;
    if (detected == baseCode(targetCode) && p > kConfident)
        return { best.code, std::nullopt };
    const bool differsFromStudy = !studyCode || baseCode(studyCode).isEmpty() || detected != baseCode(studyCode);
    if (p > kConfident && differsFromStudy)
        return { best.code, std::nullopt };
    LanguageDetection result;
    if (p < kDoubtful)
        result.notice = noticeText(best.code, interfaceCode);
    result.language = studyCode ? studyCode : std::optional(best.code);
    return result;
}
