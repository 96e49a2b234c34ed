#include "platform/LanguageRecognizer.h"

#include <cld2/internal/lang_script.h>
#include <cld2/public/compact_lang_det.h>

namespace {

// CLD2 reports the share of the text in each language; that share is the probability, not
// rescaled to sum to one (an unreliable two-word guess must stay weak), and halved when CLD2
// itself calls the result unreliable.
class Cld2LanguageRecognizer final : public LanguageRecognizer
{
public:
    QList<LanguageHypothesis> hypotheses(
        const QString& text, const QStringList& allowedCodes, int maximum) const override
    {
        QList<LanguageHypothesis> result;
        const QByteArray utf8 = text.toUtf8();
        if (utf8.trimmed().isEmpty() || maximum <= 0)
            return result;
        CLD2::Language languages[3];
        int percents[3] = { 0, 0, 0 };
        int textBytes = 0;
        bool reliable = false;
        CLD2::DetectLanguageSummary(
            utf8.constData(), static_cast<int>(utf8.size()), true, languages, percents, &textBytes, &reliable);
        for (int i = 0; i < 3 && result.size() < maximum; ++i) {
            if (languages[i] == CLD2::UNKNOWN_LANGUAGE || percents[i] <= 0)
                continue;
            // "zh-Hant" and similar keep only their base code.
            const QString code = QString::fromLatin1(CLD2::LanguageCode(languages[i])).section(QLatin1Char('-'), 0, 0);
            if (!allowedCodes.contains(code))
                continue;
            double probability = percents[i] / 100.0;
            if (!reliable)
                probability /= 2;
            result.append({ code, probability });
        }
        return result;
    }
};

} // namespace

std::unique_ptr<LanguageRecognizer> LanguageRecognizer::createDefault()
{
    return std::make_unique<Cld2LanguageRecognizer>();
}
