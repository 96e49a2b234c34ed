#pragma once

#include "language/FreeDictDictionary.h"
#include "language/TranslationBackend.h"

#include <QHash>
#include <QString>

#include <memory>

// Words and short phrases through the installed FreeDict dictionaries (Debian's
// dict-freedict-<source>-<target>): the first sense's first equivalent.
class FreeDictTranslator : public TranslationBackend
{
public:
    static inline const QString kDefaultDirectory = QStringLiteral("/usr/share/dictd");
    // Longer texts are sentences: a dictionary has no entry for them.
    static constexpr int kMaxWords = 3;

    explicit FreeDictTranslator(QString directory = kDefaultDirectory);
    ~FreeDictTranslator() override;

    QString name() const override { return QStringLiteral("freedict"); }
    bool accepts(const QString& text) const override;
    QCoro::Task<bool> supports(QString source, QString target) override;
    QCoro::Task<Result> translate(QString text, QString source, QString target) override;

    // <directory>/freedict-eng-spa for ("en", "es"); empty when the codes have no ISO 639-3 form.
    QString basePath(const QString& source, const QString& target) const;
    // "cede, give in, give up (a right)" → "cede"; "(fam.) chaval" → "chaval".
    static QString firstEquivalent(const QString& sense);
    // The article a word's translation comes from, among the articles filed under it.
    static std::optional<FreeDictDictionary::Entry> bestEntry(
        const QList<FreeDictDictionary::Entry>& entries, const QString& word);

private:
    FreeDictDictionary* dictionary(const QString& source, const QString& target);

    QString m_directory;
    // Opened dictionaries by base path; null when opening failed.
    QHash<QString, std::shared_ptr<FreeDictDictionary>> m_open;
};
