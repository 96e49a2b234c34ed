#include "grammar/GeneratedGrammarAnalysis.h"

#include <QJsonArray>

namespace {

QStringList texts(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list.append(item.toString());
    return list;
}

} // namespace

ModelSchema GeneratedGrammarAnalysis::schema()
{
    using Type = ModelSchema::FieldType;
    return { QStringLiteral("GeneratedGrammarAnalysis"),
        { { QStringLiteral("correctedSentence"),
              QStringLiteral(
                  "The sentence with only genuine grammar mistakes fixed (tense, articles, prepositions, agreement, "
                  "word order, plurals, etc.). Never rephrase for style, register, or word choice, and never change "
                  "the meaning — if the sentence is already grammatically correct, return it completely unchanged, "
                  "character for character. Written in the same language as the input sentence."),
              Type::Text },
            { QStringLiteral("structureName"),
                QStringLiteral("A short name for the main grammar structure the corrected sentence relies on (e.g. "
                               "\"Present Perfect Continuous\", \"Subjunctive mood\"). Always written in English, "
                               "regardless of the input sentence's language — the app translates it separately for "
                               "display."),
                Type::Text },
            { QStringLiteral("sentenceParts"),
                QStringLiteral("2 to 5 key words or short phrases copied verbatim from the ORIGINAL input sentence "
                               "(not the corrected one) that illustrate the grammar structure being taught, in the "
                               "order they appear in the original sentence"),
                Type::TextList },
            { QStringLiteral("formulaParts"),
                QStringLiteral(
                    "The grammar-formula label for each entry in sentenceParts, in the same order and the same "
                    "count, describing the correct grammatical role each word should play even if that word itself "
                    "was wrong in the original — e.g. if sentenceParts is [\"She\", \"don't\", \"like\"], "
                    "formulaParts could be [\"Subject\", \"does/doesn't\", \"base verb\"]. Written in the same "
                    "language as the input sentence."),
                Type::TextList },
            { QStringLiteral("explanation"),
                QStringLiteral("A short, learner-friendly explanation of how and why this grammar structure is used "
                               "in this specific sentence. Always written in English, regardless of the input "
                               "sentence's language — the app translates it separately for display."),
                Type::Text },
            { QStringLiteral("wordNotes"),
                QStringLiteral("0 to 3 short notes on individual words or expressions in the sentence that carry a "
                               "specific nuance worth knowing (word choice, register, idiomatic use). Use an empty "
                               "list if nothing in the sentence is particularly notable. Always written in English, "
                               "regardless of the input sentence's language — the app translates it separately for "
                               "display."),
                Type::TextList } } };
}

GeneratedGrammarAnalysis GeneratedGrammarAnalysis::fromJson(const QJsonObject& record)
{
    GeneratedGrammarAnalysis analysis;
    analysis.correctedSentence = record.value(QStringLiteral("correctedSentence")).toString();
    analysis.structureName = record.value(QStringLiteral("structureName")).toString();
    analysis.sentenceParts = texts(record.value(QStringLiteral("sentenceParts")));
    analysis.formulaParts = texts(record.value(QStringLiteral("formulaParts")));
    analysis.explanation = record.value(QStringLiteral("explanation")).toString();
    analysis.wordNotes = texts(record.value(QStringLiteral("wordNotes")));
    return analysis;
}
