#pragma once

#include "grammar/GrammarBankTopic.h"
#include "preferences/InterfaceLanguage.h"

#include <QHash>
#include <QList>
#include <QString>

// The course of each study language, read from "<code>_grammar_bank.json" among the application's
// resources. One instance lives for the whole run: each language is loaded once and kept, even
// when it is missing or unreadable (the error is then logged once). Main thread only.
class GrammarBankCatalog
{
public:
    struct Options
    {
        // Folder that holds the course files; the application's resources by default.
        QString directory = QStringLiteral(":/grammar");
    };

    GrammarBankCatalog();
    explicit GrammarBankCatalog(Options options);

    // The language's topics in file order, from the cache when it was loaded before.
    const QList<GrammarBankTopic>& topics(const QString& languageCode);
    // Reads and decodes the file; an empty list (and an error line) on any problem.
    QList<GrammarBankTopic> load(const QString& languageCode) const;
    // Language codes that have a course file.
    QStringList languagesWithCourse() const;

    // The course screen's search: the trimmed, lower-cased query as a substring of the title,
    // subtitle or a keyword, or (from three characters on) within a small edit distance of one of
    // their words. The title and subtitle shown in `language` are searched as well.
    static bool topicMatchesSearch(
        const GrammarBankTopic& topic, const QString& query, InterfaceLanguage language = InterfaceLanguage::Ru);

private:
    Options m_options;
    QHash<QString, QList<GrammarBankTopic>> m_cache;
};
