#include "language/EnglishLemmatizer.h"

#include <QFile>

namespace {

struct Rule
{
    const char* ending;
    const char* replacement;
};

// WordNet's detachment rules for nouns, verbs and adjectives, in that order.
constexpr Rule kRules[] = { { "ses", "s" }, { "xes", "x" }, { "zes", "z" }, { "ches", "ch" }, { "shes", "sh" },
    { "men", "man" }, { "ies", "y" }, { "s", "" }, { "ies", "y" }, { "es", "e" }, { "es", "" }, { "ed", "e" },
    { "ed", "" }, { "ing", "e" }, { "ing", "" }, { "er", "" }, { "est", "" }, { "er", "e" }, { "est", "e" } };

} // namespace

EnglishLemmatizer::EnglishLemmatizer(QString directory)
    : m_directory(std::move(directory))
{
}

void EnglishLemmatizer::load()
{
    m_loaded = true;
    for (const char* name : { "verb.exc", "noun.exc", "adj.exc" }) {
        QFile file(m_directory + QLatin1Char('/') + QLatin1String(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        while (!file.atEnd()) {
            // "gave give": the inflected form, then its base forms.
            const QStringList fields = QString::fromUtf8(file.readLine()).simplified().split(QLatin1Char(' '));
            if (fields.size() < 2)
                continue;
            QStringList& bases = m_exceptions[QString(fields.first()).replace(QLatin1Char('_'), QLatin1Char(' '))];
            for (qsizetype i = 1; i < fields.size(); ++i) {
                const QString base = QString(fields[i]).replace(QLatin1Char('_'), QLatin1Char(' '));
                if (!bases.contains(base))
                    bases << base;
            }
        }
    }
}

QStringList EnglishLemmatizer::baseForms(const QString& text)
{
    if (!m_loaded)
        load();
    const QString simplified = text.simplified().toLower();
    const qsizetype space = simplified.indexOf(QLatin1Char(' '));
    const QString head = space < 0 ? simplified : simplified.left(space);
    const QString rest = space < 0 ? QString() : simplified.mid(space);
    QStringList forms = m_exceptions.value(head);
    for (const Rule& rule : kRules) {
        const QLatin1String ending(rule.ending);
        if (head.size() <= ending.size() + 1 || !head.endsWith(ending))
            continue;
        const QString base = head.chopped(ending.size()) + QLatin1String(rule.replacement);
        if (!forms.contains(base))
            forms << base;
    }
    // "stopped" → "stop": a doubled final consonant goes with the ending.
    for (const QLatin1String ending : { QLatin1String("ed"), QLatin1String("ing") }) {
        const QString stem = head.endsWith(ending) ? head.chopped(ending.size()) : QString();
        if (stem.size() > 2 && stem.back() == stem.at(stem.size() - 2) && !forms.contains(stem.chopped(1)))
            forms << stem.chopped(1);
    }
    forms.removeAll(head);
    for (QString& form : forms)
        form += rest;
    return forms;
}
