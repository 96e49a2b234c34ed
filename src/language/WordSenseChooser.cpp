#include "language/WordSenseChooser.h"

#include "preferences/LanguageCodes.h"

#include <QRegularExpression>

namespace {

QStringList wordsOf(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{N}\\p{M}'’-]+"));
    return text.toLower().normalized(QString::NormalizationForm_C).split(separators, Qt::SkipEmptyParts);
}

qsizetype commonPrefix(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a.at(i) == b.at(i))
        ++i;
    return i;
}

// One word of a sense against one word of the text: the same word, its plural, or another form
// of the same stem ("reservar" / "reservaré", "ligero" / "ligera").
bool sameWord(const QString& sense, const QString& token)
{
    if (sense == token)
        return true;
    if (sense.size() <= 4)
        return token == sense + QLatin1Char('s') || token == sense + QStringLiteral("es")
            || sense == token + QLatin1Char('s');
    return commonPrefix(sense, token) >= std::max<qsizetype>(4, sense.size() - 2);
}

bool isEcho(const QString& translation, const QString& word)
{
    return translation.trimmed().compare(word.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

bool WordSenseChooser::occursIn(const QString& sense, const QString& text)
{
    const QStringList senseWords = wordsOf(sense);
    const QStringList textWords = wordsOf(text);
    if (senseWords.isEmpty())
        return false;
    // Every word of the sense that carries meaning; short function words ("de", "to") may be
    // translated differently around it.
    bool matched = false;
    for (const QString& part : senseWords) {
        if (part.size() < 3 && senseWords.size() > 1)
            continue;
        if (!std::ranges::any_of(textWords, [&part](const QString& token) { return sameWord(part, token); }))
            return false;
        matched = true;
    }
    return matched;
}

bool WordSenseChooser::looksLikeInfinitive(const QString& text, const QString& language)
{
    static const QHash<QString, QRegularExpression> shapes {
        { QStringLiteral("es"), QRegularExpression(QStringLiteral("^\\p{L}{2,}(ar|er|ir|ír)(se)?( |$)")) },
        { QStringLiteral("pt"), QRegularExpression(QStringLiteral("^\\p{L}{2,}(ar|er|ir|or)( |$)")) },
        { QStringLiteral("it"), QRegularExpression(QStringLiteral("^\\p{L}{2,}(are|ere|ire|rre)(si)?( |$)")) },
        { QStringLiteral("fr"), QRegularExpression(QStringLiteral("^(se |s')?\\p{L}{2,}(er|ir|re)( |$)")) },
        { QStringLiteral("de"), QRegularExpression(QStringLiteral("^(sich )?\\p{L}{2,}(en|ern|eln)( |$)")) },
        { QStringLiteral("ru"), QRegularExpression(QStringLiteral("^\\p{L}{2,}(ть|ться|ти|тись|чь|чься)( |$)")) },
        { QStringLiteral("en"), QRegularExpression(QStringLiteral("^to \\p{L}")) },
    };
    const auto shape = shapes.constFind(LanguageCodes::base(language));
    return shape != shapes.constEnd() && shape->match(text.trimmed().toLower()).hasMatch();
}

bool WordSenseChooser::isContextReading(const QStringList& senses, const Context& context)
{
    // A phrase translated word by word was chosen in pieces, not for the sentence.
    if (context.word.trimmed().contains(QLatin1Char(' ')))
        return false;
    const QString marked = context.markedTranslation->trimmed();
    // The sentence made the translator pick another word than it picks for the word alone (its
    // lexical selection rules looked at the context: "bank" of a river → "orilla").
    if (context.isolatedReading && !occursIn(marked, *context.isolatedReading))
        return true;
    // The word is a verb there and the dictionary has only other parts of speech.
    const auto infinitive
        = [&context](const QString& text) { return looksLikeInfinitive(text, context.targetLanguage); };
    return context.isVerb.value_or(false) && infinitive(marked) && std::ranges::none_of(senses, infinitive);
}

std::optional<WordSenseChooser::Choice> WordSenseChooser::choose(const QStringList& senses, const Context& context)
{
    Choice choice;
    const auto others = [&senses](const QString& chosen) {
        QStringList rest;
        for (const QString& sense : senses) {
            if (sense.compare(chosen, Qt::CaseInsensitive) != 0 && rest.size() < kMaxOtherSenses)
                rest << sense;
        }
        return rest;
    };
    const auto chosen = [&](const QString& translation, Basis basis) {
        choice.translation = translation;
        choice.basis = basis;
        choice.otherSenses = others(translation);
        return choice;
    };

    const std::optional<QString>& marked = context.markedTranslation;
    for (const std::optional<QString>& text : { marked, context.sentenceTranslation }) {
        if (!text)
            continue;
        for (const QString& sense : senses) {
            if (occursIn(sense, *text))
                return chosen(sense, Basis::Sentence);
        }
    }
    if (marked && !marked->trimmed().isEmpty() && !isEcho(*marked, context.word)
        && (senses.isEmpty() || isContextReading(senses, context)))
        return chosen(marked->trimmed(), Basis::Marked);
    if (senses.isEmpty())
        return std::nullopt;

    if (context.isVerb) {
        const auto infinitive
            = [&context](const QString& sense) { return looksLikeInfinitive(sense, context.targetLanguage); };
        const auto found
            = *context.isVerb ? std::ranges::find_if(senses, infinitive) : std::ranges::find_if_not(senses, infinitive);
        if (found != senses.end() && found != senses.begin())
            return chosen(*found, Basis::PartOfSpeech);
    }
    return chosen(senses.first(), Basis::First);
}
