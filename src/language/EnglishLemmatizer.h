#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Candidate dictionary forms of an English word or phrasal verb, as WordNet's morphology finds
// them: the irregular forms it lists ("gave" → "give", "children" → "child"), then its
// detachment rules ("parks" → "park", "studied" → "study"). The candidates are not checked
// against a lexicon; the dictionary that is asked next does that.
class EnglishLemmatizer
{
public:
    static inline const QString kDefaultDirectory = QStringLiteral("/usr/share/wordnet");

    explicit EnglishLemmatizer(QString directory = kDefaultDirectory);

    // Base forms of the text, without the text itself, most likely first. In a phrase only the
    // first word is inflected ("gave up" → "give up").
    QStringList baseForms(const QString& text);
    // Reads WordNet's lists now rather than on first use.
    void prepare()
    {
        if (!m_loaded)
            load();
    }

private:
    void load();

    QString m_directory;
    bool m_loaded = false;
    QHash<QString, QStringList> m_exceptions; // inflected form → base forms
};
