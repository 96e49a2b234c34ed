#include "grammar/GrammarBankCatalog.h"

#include "diagnostics/QMLog.h"
#include "grammar/GrammarBankFile.h"

#include <QDir>
#include <QFile>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace {

const QString kFileSuffix = QStringLiteral("_grammar_bank.json");

// User-perceived characters, so "é" counts as one whether it is stored as one code point or two.
QStringList graphemes(const QString& text)
{
    QStringList clusters;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        clusters.append(text.mid(start, end - start));
        start = end;
    }
    return clusters;
}

// Maximal runs of letters and digits; a cluster belongs to a word when its base character is one.
QList<QStringList> words(const QStringList& clusters)
{
    QList<QStringList> result;
    QStringList current;
    for (const QString& cluster : clusters) {
        if (cluster.at(0).isLetterOrNumber()) {
            current.append(cluster);
            continue;
        }
        if (!current.isEmpty())
            result.append(current);
        current.clear();
    }
    if (!current.isEmpty())
        result.append(current);
    return result;
}

qsizetype editDistance(const QStringList& a, const QStringList& b)
{
    std::vector<qsizetype> previous(b.size() + 1);
    std::vector<qsizetype> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype substitution = previous[j - 1] + (a.at(i - 1) == b.at(j - 1) ? 0 : 1);
            row[j] = std::min({ previous[j] + 1, row[j - 1] + 1, substitution });
        }
        std::swap(previous, row);
    }
    return previous[b.size()];
}

QString folded(const QString& text)
{
    return text.toLower().normalized(QString::NormalizationForm_C);
}

} // namespace

GrammarBankCatalog::GrammarBankCatalog()
    : GrammarBankCatalog(Options {})
{
}

GrammarBankCatalog::GrammarBankCatalog(Options options)
    : m_options(std::move(options))
{
}

const QList<GrammarBankTopic>& GrammarBankCatalog::topics(const QString& languageCode)
{
    auto cached = m_cache.find(languageCode);
    if (cached == m_cache.end())
        cached = m_cache.insert(languageCode, load(languageCode));
    return cached.value();
}

QList<GrammarBankTopic> GrammarBankCatalog::load(const QString& languageCode) const
{
    QFile file(m_options.directory + QLatin1Char('/') + languageCode + kFileSuffix);
    if (!file.exists()) {
        qCCritical(lcGrammar).noquote() << QStringLiteral("%1_grammar_bank.json not found in bundle").arg(languageCode);
        return {};
    }
    QString error;
    std::optional<GrammarBankFile> decoded;
    if (file.open(QIODevice::ReadOnly))
        decoded = GrammarBankFile::decode(file.readAll(), &error);
    else
        error = file.errorString();
    if (!decoded) {
        qCCritical(lcGrammar).noquote()
            << QStringLiteral("Failed to parse %1_grammar_bank.json: %2").arg(languageCode, error);
        return {};
    }
    return decoded->topics;
}

QStringList GrammarBankCatalog::languagesWithCourse() const
{
    QStringList codes;
    const QStringList files = QDir(m_options.directory).entryList({ QLatin1Char('*') + kFileSuffix }, QDir::Files);
    for (const QString& name : files)
        codes.append(name.left(name.size() - kFileSuffix.size()));
    return codes;
}

bool GrammarBankCatalog::topicMatchesSearch(
    const GrammarBankTopic& topic, const QString& query, InterfaceLanguage language)
{
    const QString q = folded(query.trimmed());
    if (q.isEmpty())
        return true;
    const QStringList queryClusters = graphemes(q);
    const qsizetype tolerance = queryClusters.size() > 4 ? 2 : 1;

    QStringList haystacks { topic.title, topic.subtitle };
    haystacks += topic.searchKeywords;
    haystacks += { topic.displayTitle(language), topic.displaySubtitle(language) };
    for (const QString& raw : std::as_const(haystacks)) {
        const QString haystack = folded(raw);
        if (haystack.contains(q))
            return true;
        if (queryClusters.size() <= 2)
            continue;
        const QList<QStringList> haystackWords = words(graphemes(haystack));
        const bool near = std::any_of(haystackWords.begin(), haystackWords.end(),
            [&](const QStringList& word) { return editDistance(queryClusters, word) <= tolerance; });
        if (near)
            return true;
    }
    return false;
}
