#include "capture/JapaneseConjugation.h"

#include <QHash>
#include <QList>

namespace {

const QHash<QChar, QChar>& iRowToURow()
{
    static const QHash<QChar, QChar> table {
        { u'き', u'く' }, { u'ぎ', u'ぐ' }, { u'し', u'す' }, { u'ち', u'つ' }, { u'に', u'ぬ' },
        { u'び', u'ぶ' }, { u'み', u'む' }, { u'り', u'る' }, { u'い', u'う' },
    };
    return table;
}

const QHash<QChar, QChar>& aRowToURow()
{
    static const QHash<QChar, QChar> table {
        { u'か', u'く' }, { u'が', u'ぐ' }, { u'さ', u'す' }, { u'た', u'つ' }, { u'な', u'ぬ' },
        { u'ば', u'ぶ' }, { u'ま', u'む' }, { u'ら', u'る' }, { u'わ', u'う' }, { u'あ', u'う' },
    };
    return table;
}

const QList<std::pair<QString, QStringList>>& onbinEndings()
{
    static const QList<std::pair<QString, QStringList>> endings {
        { QStringLiteral("った"), { QStringLiteral("う"), QStringLiteral("つ"), QStringLiteral("る") } },
        { QStringLiteral("って"), { QStringLiteral("う"), QStringLiteral("つ"), QStringLiteral("る") } },
        { QStringLiteral("いた"), { QStringLiteral("く") } },
        { QStringLiteral("いて"), { QStringLiteral("く") } },
        { QStringLiteral("いだ"), { QStringLiteral("ぐ") } },
        { QStringLiteral("いで"), { QStringLiteral("ぐ") } },
        { QStringLiteral("した"), { QStringLiteral("す") } },
        { QStringLiteral("して"), { QStringLiteral("す") } },
        { QStringLiteral("んだ"), { QStringLiteral("む"), QStringLiteral("ぬ"), QStringLiteral("ぶ") } },
        { QStringLiteral("んで"), { QStringLiteral("む"), QStringLiteral("ぬ"), QStringLiteral("ぶ") } },
    };
    return endings;
}

void add(QStringList& list, const QString& candidate)
{
    if (!candidate.isEmpty() && !list.contains(candidate))
        list.append(candidate);
}

// stem + "る", and the stem with its last kana moved to the u-row when the table knows it.
void addStemForms(QStringList& list, const QString& stem, const QHash<QChar, QChar>& toURow)
{
    add(list, stem + QStringLiteral("る"));
    if (!stem.isEmpty() && toURow.contains(stem.back()))
        add(list, stem.chopped(1) + toURow.value(stem.back()));
}

} // namespace

const QSet<QString>& JapaneseConjugation::continuationTokens()
{
    static const QSet<QString> tokens {
        QStringLiteral("ま"),     QStringLiteral("まし"),   QStringLiteral("ます"),     QStringLiteral("ました"),
        QStringLiteral("ません"), QStringLiteral("ましょう"), QStringLiteral("ましょ"), QStringLiteral("まして"),
        QStringLiteral("ませんでした"), QStringLiteral("た"), QStringLiteral("だ"),     QStringLiteral("て"),
        QStringLiteral("で"),     QStringLiteral("たり"),   QStringLiteral("だり"),     QStringLiteral("たら"),
        QStringLiteral("だら"),   QStringLiteral("ない"),   QStringLiteral("なかった"), QStringLiteral("なく"),
        QStringLiteral("ず"),     QStringLiteral("たい"),   QStringLiteral("たかった"), QStringLiteral("たくない"),
        QStringLiteral("れる"),   QStringLiteral("られる"), QStringLiteral("れ"),       QStringLiteral("られ"),
        QStringLiteral("せる"),   QStringLiteral("させる"), QStringLiteral("せ"),       QStringLiteral("させ"),
        QStringLiteral("しまう"), QStringLiteral("しまい"), QStringLiteral("しまった"), QStringLiteral("います"),
        QStringLiteral("いた"),   QStringLiteral("いました"), QStringLiteral("いる"),   QStringLiteral("くない"),
        QStringLiteral("くて"),   QStringLiteral("かった"),
    };
    return tokens;
}

int JapaneseConjugation::continuationCount(const QStringList& tokens, qsizetype index)
{
    int count = 0;
    for (qsizetype i = index + 1; i < tokens.size() && count < 3; ++i) {
        if (!continuationTokens().contains(tokens[i]))
            break;
        ++count;
    }
    return count;
}

QStringList JapaneseConjugation::dictionaryFormCandidates(const QString& word)
{
    QStringList candidates;
    add(candidates, word);
    if (word == QStringLiteral("行った") || word == QStringLiteral("行って"))
        add(candidates, QStringLiteral("行く"));

    static const QStringList polite { QStringLiteral("ませんでした"), QStringLiteral("ましょう"), QStringLiteral("ました"),
                                      QStringLiteral("ません"), QStringLiteral("まして"), QStringLiteral("ます") };
    for (const QString& suffix : polite) {
        if (word.endsWith(suffix)) {
            addStemForms(candidates, word.chopped(suffix.size()), iRowToURow());
            break;
        }
    }
    for (const auto& [ending, replacements] : onbinEndings()) {
        if (!word.endsWith(ending))
            continue;
        const QString base = word.chopped(ending.size());
        for (const QString& replacement : replacements)
            add(candidates, base + replacement);
    }
    static const QStringList negative { QStringLiteral("ませんでした"), QStringLiteral("なかった"), QStringLiteral("ない") };
    for (const QString& suffix : negative) {
        if (word.endsWith(suffix)) {
            addStemForms(candidates, word.chopped(suffix.size()), aRowToURow());
            break;
        }
    }
    static const QStringList adjective { QStringLiteral("くない"), QStringLiteral("くて"), QStringLiteral("かった"),
                                         QStringLiteral("く") };
    for (const QString& ending : adjective) {
        if (word.endsWith(ending))
            add(candidates, word.chopped(ending.size()) + QStringLiteral("い"));
    }
    return candidates;
}
