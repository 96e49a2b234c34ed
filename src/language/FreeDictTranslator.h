#pragma once

#include "language/EnglishLemmatizer.h"
#include "language/FreeDictDictionary.h"
#include "language/RunTogetherSplitter.h"
#include "language/TranslationBackend.h"

#include <QHash>
#include <QString>

#include <memory>

// Words and short phrases through the installed FreeDict dictionaries (Debian's
// dict-freedict-<source>-<target>). An English form without an entry is looked up by its base
// form ("gave up" → "give up"); entries of phrases filed under the word are left out; spaces the
// data lost are given back ("relojdepulsera" → "reloj de pulsera").
class FreeDictTranslator : public TranslationBackend
{
public:
    static inline const QString kDefaultDirectory = QStringLiteral("/usr/share/dictd");
    // Longer texts are sentences: a dictionary has no entry for them.
    static constexpr int kMaxWords = 3;

    struct Options
    {
        QString directory = kDefaultDirectory;
        QString wordNetDirectory = EnglishLemmatizer::kDefaultDirectory;
        QString hunspellDirectory = RunTogetherSplitter::kDefaultDirectory;
    };

    explicit FreeDictTranslator(QString directory = kDefaultDirectory);
    explicit FreeDictTranslator(const Options& options);
    ~FreeDictTranslator() override;

    QString name() const override { return QStringLiteral("freedict"); }
    bool accepts(const QString& text) const override;
    QCoro::Task<bool> supports(QString source, QString target) override;
    QCoro::Task<Result> translate(QString text, QString source, QString target) override;
    // Every equivalent of every sense of the word's entries, best entry first, without repeats.
    QCoro::Task<QStringList> senses(QString text, QString source, QString target) override;
    // Opens the pair's dictionary now rather than on the first lookup.
    void prepare(const QString& source, const QString& target) override;

    // <directory>/freedict-eng-spa for ("en", "es"); empty when the codes have no ISO 639-3 form.
    QString basePath(const QString& source, const QString& target) const;
    // "cede, give in, give up (a right)" → "cede"; "(fam.) chaval" → "chaval".
    static QString firstEquivalent(const QString& sense);
    // "cede, give in; yield (a right)" → "cede", "give in", "yield".
    static QStringList equivalents(const QString& sense);

private:
    FreeDictDictionary* dictionary(const QString& source, const QString& target);
    QStringList sensesOf(const QString& text, const QString& source, const QString& target);
    // The entries of an English phrasal verb ("give up") that the dictionary files under its verb,
    // told apart from the verb's other phrases by their transcription.
    static QList<FreeDictDictionary::Entry> phrasalVerbEntries(FreeDictDictionary& dictionary, const QString& phrase);
    // The entries of the word itself among those filed under its key.
    QList<FreeDictDictionary::Entry> wordEntries(
        const QList<FreeDictDictionary::Entry>& entries, const QString& word, const QString& target);

    QString m_directory;
    EnglishLemmatizer m_lemmas;
    RunTogetherSplitter m_splitter;
    // Opened dictionaries by base path; null when opening failed.
    QHash<QString, std::shared_ptr<FreeDictDictionary>> m_open;
};
