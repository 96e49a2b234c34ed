#include "language/WordNetVerbTagger.h"

#include "diagnostics/QMLog.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// WordNet's own detachment rules for verbs (suffix → replacement).
const std::pair<const char*, const char*> kVerbSuffixes[] = {
    { "s", "" },
    { "ies", "y" },
    { "es", "e" },
    { "es", "" },
    { "ed", "e" },
    { "ed", "" },
    { "ing", "e" },
    { "ing", "" },
};

// After these a word is a noun or an adjective ("the run", "my fall").
const QSet<QString>& nounMarkers()
{
    static const QSet<QString> words { "a", "an", "the", "my", "your", "his", "her", "its", "our", "their", "this",
        "that", "these", "those", "every", "each", "some", "any", "no" };
    return words;
}

// A noun phrase goes on after these ("in spring", "with care"); "to" is left out, it also
// opens an infinitive.
const QSet<QString>& prepositions()
{
    static const QSet<QString> words { "in", "on", "at", "with", "of", "for", "from", "by", "about", "into", "under",
        "over", "without", "during", "through", "after", "before", "near" };
    return words;
}

QStringList tokens(const QString& sentence)
{
    static const QRegularExpression separator(QStringLiteral("[^\\p{L}\\p{N}'-]+"));
    return sentence.toLower().split(separator, Qt::SkipEmptyParts);
}

} // namespace

WordNetVerbTagger::WordNetVerbTagger(const QString& directory)
{
    loadIndex(directory + QStringLiteral("/index.verb"));
    loadExceptions(directory + QStringLiteral("/verb.exc"));
    if (m_verbs.isEmpty())
        qCInfo(lcTranslation).noquote()
            << "No WordNet verb index in" << directory << "— phrasal verbs are not detected";
}

void WordNetVerbTagger::loadIndex(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        // The licence header lines start with spaces.
        if (line.isEmpty() || line.startsWith(' '))
            continue;
        const qsizetype space = line.indexOf(' ');
        if (space > 0)
            m_verbs.insert(QString::fromUtf8(line.left(space)).replace(QLatin1Char('_'), QLatin1Char(' ')));
    }
}

void WordNetVerbTagger::loadExceptions(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
        if (fields.size() < 2)
            continue;
        QStringList bases;
        for (qsizetype i = 1; i < fields.size(); ++i)
            bases << QString::fromUtf8(fields[i]);
        m_exceptions.insert(QString::fromUtf8(fields.first()), bases);
    }
}

bool WordNetVerbTagger::canBeVerb(const QString& word) const
{
    const QString lower = word.toLower();
    if (lower.isEmpty() || m_verbs.isEmpty())
        return false;
    if (m_verbs.contains(lower))
        return true;
    for (const QString& base : m_exceptions.value(lower)) {
        if (m_verbs.contains(base))
            return true;
    }
    for (const auto& [suffix, replacement] : kVerbSuffixes) {
        const QString end = QString::fromLatin1(suffix);
        if (lower.size() > end.size() + 1 && lower.endsWith(end)) {
            const QString stem = lower.left(lower.size() - end.size()) + QString::fromLatin1(replacement);
            if (m_verbs.contains(stem))
                return true;
            // Doubled final consonants: "stopped", "running".
            if (stem.size() > 2 && stem.at(stem.size() - 1) == stem.at(stem.size() - 2)
                && m_verbs.contains(stem.chopped(1)))
                return true;
        }
    }
    return false;
}

bool WordNetVerbTagger::isVerb(const QString& word, const QString& sentence) const
{
    if (!canBeVerb(word))
        return false;
    const QString lower = word.toLower();
    const QStringList words = tokens(sentence);
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i] != lower)
            continue;
        if (i > 0 && (nounMarkers().contains(words[i - 1]) || prepositions().contains(words[i - 1])))
            continue;
        // "a big rock", "the football match": an article, a word that is no verb, then ours.
        if (i > 1 && nounMarkers().contains(words[i - 2]) && !canBeVerb(words[i - 1]))
            continue;
        return true;
    }
    return false;
}
