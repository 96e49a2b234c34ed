#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Pure rules about captured text: which stretch to translate and whether a sentence is really
// an interface label.
class TranslationTextRules
{
public:
    // Whether `word` is used as a verb in `sentence`.
    using VerbTest = std::function<bool(const QString& word, const QString& sentence)>;

    // The word alone, a phrasal verb ("gave up", "looked up to") or a capitalised name ("New York").
    static QString translationUnit(const QString& word, const QString& sentence, const VerbTest& isVerb);
    // A title-cased label such as "Add To Reading List".
    static bool looksLikeUILabel(const QString& sentence);
    // Maximal runs of letters and digits.
    static QStringList tokens(const QString& text);

    static bool isParticle(const QString& token);
    static bool isPrepositionAfterParticle(const QString& token);
    static bool isLabelStopWord(const QString& token);
};
