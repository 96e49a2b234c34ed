#pragma once

#include <QSet>
#include <QString>

// "Is this word used as a verb in this sentence", for English, from WordNet's verb index and its
// list of irregular forms, with a few rules about the word before it. Other languages, or a
// machine without the lexicon, answer "not a verb".
class WordNetVerbTagger
{
public:
    static inline const QString kDefaultDirectory = QStringLiteral("/usr/share/wordnet");

    explicit WordNetVerbTagger(const QString& directory = kDefaultDirectory);

    bool isAvailable() const { return !m_verbs.isEmpty(); }
    // Some base form of the word is a WordNet verb (regular endings or a listed irregular form).
    bool canBeVerb(const QString& word) const;
    // The word occurs in the sentence where a verb can stand (not right after an article or a
    // possessive) and can be a verb.
    bool isVerb(const QString& word, const QString& sentence) const;

private:
    void loadIndex(const QString& path);
    void loadExceptions(const QString& path);

    QSet<QString> m_verbs;
    QHash<QString, QStringList> m_exceptions; // inflected form → base forms
};
