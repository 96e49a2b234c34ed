#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What a saved word holds: the lookup card's content when the learner adds it, which becomes both
// the card in the own deck and the note in Anki.
struct VocabCardContent
{
    QString word;
    QString sentence;
    std::optional<QString> translatedWord;
    std::optional<QString> translatedSentence;
    // In monolingual mode: the explanation in the word's own language, kept as its translation.
    std::optional<QString> meaning;
    std::optional<QString> etymology;
    std::optional<QString> phonetic;
    std::optional<QByteArray> pronunciationAudio;
    QString pronunciationAudioExtension = QStringLiteral("mp3");
    std::optional<QByteArray> imageData;
    std::optional<QString> imageFileExtension;
    // The own deck, named by the language pair ("EN → ES").
    QString deckName;

    // What the card keeps as the word's translation: the meaning, else the translation, else the
    // word itself (nothing better was found, and the card still has a back).
    QString backText() const { return meaning.value_or(translatedWord.value_or(word)); }
};
