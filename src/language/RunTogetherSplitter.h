#pragma once

#include <QHash>
#include <QSet>
#include <QString>

#include <memory>

// Gives back the spaces that some dictionary files lost: Debian's FreeDict data writes many
// multi-word translations run together ("relojdepulsera", "LaHaya"). A run is split where the
// target language's word list (the Hunspell dictionary Debian ships) has every piece.
class RunTogetherSplitter
{
public:
    static inline const QString kDefaultDirectory = QStringLiteral("/usr/share/hunspell");

    explicit RunTogetherSplitter(QString hunspellDirectory = kDefaultDirectory);
    ~RunTogetherSplitter();

    // "relojdepulsera" → "reloj de pulsera", "LaHaya" → "La Haya"; anything else as it was.
    QString restore(const QString& text, const QString& language);
    // The text is several words written as one (so a translation of one word it is not).
    bool isRunTogether(const QString& text, const QString& language) { return restore(text, language) != text; }
    // Reads the language's word list now rather than on first use.
    void prepare(const QString& language) { words(language); }

private:
    using WordList = QSet<QString>;
    const WordList* words(const QString& language);
    bool isWord(const WordList& list, const QString& piece) const;
    QString split(const WordList& list, const QString& run) const;

    QString m_directory;
    // Word lists by language; null when the language has none here.
    QHash<QString, std::shared_ptr<WordList>> m_lists;
};
