#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Which of a dictionary's translations of a word fits its sentence, without a language model:
// the one the sentence's own translation uses; else what the sentence translator made of the
// word there, when the dictionary has nothing or the sentence made the translator choose it;
// else one of the part of speech the sentence implies; else the first.
class WordSenseChooser
{
public:
    struct Context
    {
        QString targetLanguage; // "es"
        QString word; // the captured word or phrase, to tell a translation from an echo
        std::optional<QString> sentenceTranslation;
        // What the sentence translator made of the word itself, when it can tell.
        std::optional<QString> markedTranslation;
        // What the sentence translator makes of the word out of context: when the sentence changed
        // its choice, the choice was made for this sentence.
        std::optional<QString> isolatedReading;
        // Whether the word is used as a verb in its sentence; unknown for most languages.
        std::optional<bool> isVerb;
    };
    enum class Basis { Sentence, Marked, PartOfSpeech, First };
    struct Choice
    {
        QString translation;
        QStringList otherSenses; // at most kMaxOtherSenses, in the dictionary's order
        Basis basis = Basis::First;
    };
    static constexpr int kMaxOtherSenses = 3;

    // `senses`: the dictionary's translations, best entry first; may be empty when only the
    // sentence translator knows the word.
    static std::optional<Choice> choose(const QStringList& senses, const Context& context);

    // The sense is one of the text's words, or a form of one ("reservar" in "Reservaré una mesa").
    static bool occursIn(const QString& sense, const QString& text);
    // Shaped like a verb's dictionary form in the language ("reservar", "читать").
    static bool looksLikeInfinitive(const QString& text, const QString& language);

private:
    // The marked translation, though none of the senses, was chosen for this sentence.
    static bool isContextReading(const QStringList& senses, const Context& context);
};
