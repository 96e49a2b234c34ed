#include "capture/JapaneseConjugation.h"

#include <QHash>

#include <utility>
#include <vector>

namespace JapaneseConjugation {

namespace {

const QHash<QChar, QChar>& iRowToURow()
{
    static const QHash<QChar, QChar> table { { QChar(u'き'), QChar(u'く') }, { QChar(u'ぎ'), QChar(u'ぐ') },
        { QChar(u'し'), QChar(u'す') }, { QChar(u'ち'), QChar(u'つ') }, { QChar(u'に'), QChar(u'ぬ') },
        { QChar(u'び'), QChar(u'ぶ') }, { QChar(u'み'), QChar(u'む') }, { QChar(u'り'), QChar(u'る') },
        { QChar(u'い'), QChar(u'う') } };
    return table;
}

const QHash<QChar, QChar>& aRowToURow()
{
    static const QHash<QChar, QChar> table { { QChar(u'か'), QChar(u'く') }, { QChar(u'が'), QChar(u'ぐ') },
        { QChar(u'さ'), QChar(u'す') }, { QChar(u'た'), QChar(u'つ') }, { QChar(u'な'), QChar(u'ぬ') },
        { QChar(u'ば'), QChar(u'ぶ') }, { QChar(u'ま'), QChar(u'む') }, { QChar(u'ら'), QChar(u'る') },
        { QChar(u'わ'), QChar(u'う') }, { QChar(u'あ'), QChar(u'う') } };
    return table;
}

const std::vector<std::pair<QString, QStringList>>& onbinEndings()
{
    static const std::vector<std::pair<QString, QStringList>> table {
        { QStringLiteral("った"), { QStringLiteral("う"), QStringLiteral("つ"), QStringLiteral("る") } },
        { QStringLiteral("って"), { QStringLiteral("う"), QStringLiteral("つ"), QStringLiteral("る") } },
        { QStringLiteral("いた"), { QStringLiteral("く") } }, { QStringLiteral("いて"), { QStringLiteral("く") } },
        { QStringLiteral("いだ"), { QStringLiteral("ぐ") } }, { QStringLiteral("いで"), { QStringLiteral("ぐ") } },
        { QStringLiteral("した"), { QStringLiteral("す") } }, { QStringLiteral("して"), { QStringLiteral("す") } },
        { QStringLiteral("んだ"), { QStringLiteral("む"), QStringLiteral("ぬ"), QStringLiteral("ぶ") } },
        { QStringLiteral("んで"), { QStringLiteral("む"), QStringLiteral("ぬ"), QStringLiteral("ぶ") } }
    };
    return table;
}

const QStringList& politeSuffixes()
{
    static const QStringList list { QStringLiteral("ませんでした"), QStringLiteral("ましょう"),
        QStringLiteral("ました"), QStringLiteral("ません"), QStringLiteral("まして"), QStringLiteral("ます") };
    return list;
}

const QStringList& negativeSuffixes()
{
    static const QStringList list { QStringLiteral("ませんでした"), QStringLiteral("なかった"),
        QStringLiteral("ない") };
    return list;
}

const QStringList& adjectiveEndings()
{
    static const QStringList list { QStringLiteral("くない"), QStringLiteral("くて"), QStringLiteral("かった"),
        QStringLiteral("く") };
    return list;
}

void add(QStringList& list, const QString& candidate)
{
    if (!candidate.isEmpty() && !list.contains(candidate))
        list.append(candidate);
}

void addStemForms(
    QStringList& list, const QString& word, const QStringList& suffixes, const QHash<QChar, QChar>& rowMap)
{
    for (const QString& suffix : suffixes) {
        if (!word.endsWith(suffix))
            continue;
        const QString stem = word.chopped(suffix.size());
        add(list, stem + QStringLiteral("る"));
        if (!stem.isEmpty()) {
            const auto it = rowMap.constFind(stem.back());
            if (it != rowMap.constEnd())
                add(list, stem.chopped(1) + it.value());
        }
        return;
    }
}

} // namespace

const QSet<QString>& continuationTokens()
{
    static const QSet<QString> tokens { QStringLiteral("ま"), QStringLiteral("まし"), QStringLiteral("ます"),
        QStringLiteral("ました"), QStringLiteral("ません"), QStringLiteral("ましょう"), QStringLiteral("ましょ"),
        QStringLiteral("まして"), QStringLiteral("ませんでした"), QStringLiteral("た"), QStringLiteral("だ"),
        QStringLiteral("て"), QStringLiteral("で"), QStringLiteral("たり"), QStringLiteral("だり"),
        QStringLiteral("たら"), QStringLiteral("だら"), QStringLiteral("ない"), QStringLiteral("なかった"),
        QStringLiteral("なく"), QStringLiteral("ず"), QStringLiteral("たい"), QStringLiteral("たかった"),
        QStringLiteral("たくない"), QStringLiteral("れる"), QStringLiteral("られる"), QStringLiteral("れ"),
        QStringLiteral("られ"), QStringLiteral("せる"), QStringLiteral("させる"), QStringLiteral("せ"),
        QStringLiteral("させ"), QStringLiteral("しまう"), QStringLiteral("しまい"), QStringLiteral("しまった"),
        QStringLiteral("います"), QStringLiteral("いた"), QStringLiteral("いました"), QStringLiteral("いる"),
        QStringLiteral("くない"), QStringLiteral("くて"), QStringLiteral("かった") };
    return tokens;
}

int continuationCount(const QStringList& tokens, qsizetype index)
{
    if (index < 0)
        return 0;
    int count = 0;
    for (qsizetype i = index + 1; i < tokens.size() && count < 3; ++i) {
        if (!continuationTokens().contains(tokens.at(i)))
            break;
        ++count;
    }
    return count;
}

QStringList dictionaryFormCandidates(const QString& word)
{
    QStringList list;
    add(list, word);
    if (word == QStringLiteral("行った") || word == QStringLiteral("行って"))
        add(list, QStringLiteral("行く"));
    addStemForms(list, word, politeSuffixes(), iRowToURow());
    for (const auto& [ending, replacements] : onbinEndings()) {
        if (!word.endsWith(ending))
            continue;
        const QString base = word.chopped(ending.size());
        for (const QString& replacement : replacements)
            add(list, base + replacement);
    }
    addStemForms(list, word, negativeSuffixes(), aRowToURow());
    for (const QString& ending : adjectiveEndings())
        if (word.endsWith(ending))
            add(list, word.chopped(ending.size()) + QStringLiteral("い"));
    return list;
}

} // namespace JapaneseConjugation
