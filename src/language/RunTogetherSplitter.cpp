#include "language/RunTogetherSplitter.h"

#include "preferences/LanguageCodes.h"

#include <QFile>
#include <QRegularExpression>

#include <vector>

namespace {

// Hunspell dictionaries Debian ships, by language.
QString dictionaryName(const QString& language)
{
    static const QHash<QString, QString> names { { QStringLiteral("en"), QStringLiteral("en_US") },
        { QStringLiteral("es"), QStringLiteral("es_ES") }, { QStringLiteral("fr"), QStringLiteral("fr_FR") },
        { QStringLiteral("de"), QStringLiteral("de_DE") }, { QStringLiteral("it"), QStringLiteral("it_IT") },
        { QStringLiteral("pt"), QStringLiteral("pt_PT") }, { QStringLiteral("ru"), QStringLiteral("ru_RU") } };
    return names.value(language);
}

// Shorter runs are ordinary words the list may just not know.
constexpr qsizetype kMinimumRun = 6;
// Longer runs are not split: the search is quadratic in the length.
constexpr qsizetype kMaximumRun = 60;

} // namespace

RunTogetherSplitter::RunTogetherSplitter(QString hunspellDirectory)
    : m_directory(std::move(hunspellDirectory))
{
}

RunTogetherSplitter::~RunTogetherSplitter() = default;

const RunTogetherSplitter::WordList* RunTogetherSplitter::words(const QString& language)
{
    const QString code = LanguageCodes::base(language);
    if (auto found = m_lists.constFind(code); found != m_lists.constEnd())
        return found.value().get();
    std::shared_ptr<WordList> list;
    const QString name = dictionaryName(code);
    QFile file(m_directory + QLatin1Char('/') + name + QStringLiteral(".dic"));
    if (!name.isEmpty() && file.open(QIODevice::ReadOnly)) {
        list = std::make_shared<WordList>();
        file.readLine(); // the word count
        while (!file.atEnd()) {
            // "word/FLAGS": the flags name the affixes the word takes.
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            const QString word = line.section(QLatin1Char('/'), 0, 0);
            if (!word.isEmpty())
                list->insert(word.toLower());
        }
    }
    m_lists.insert(code, list);
    return list.get();
}

bool RunTogetherSplitter::isWord(const WordList& list, const QString& piece) const
{
    if (list.contains(piece))
        return true;
    // The lists hold base forms; the plural is the commonest inflection inside a phrase.
    if (piece.size() > 3 && piece.endsWith(QLatin1Char('s')) && list.contains(piece.chopped(1)))
        return true;
    return piece.size() > 4 && piece.endsWith(QStringLiteral("es")) && list.contains(piece.chopped(2));
}

QString RunTogetherSplitter::split(const WordList& list, const QString& run) const
{
    // Fewest pieces, each a word of the list; one-letter pieces only where the list has them
    // as words ("y", "a", "e").
    const QString lower = run.toLower();
    const qsizetype n = lower.size();
    constexpr int kNone = std::numeric_limits<int>::max();
    std::vector<int> pieces(size_t(n + 1), kNone);
    std::vector<qsizetype> from(size_t(n + 1), -1);
    pieces[0] = 0;
    for (qsizetype end = 1; end <= n; ++end) {
        for (qsizetype start = 0; start < end; ++start) {
            if (pieces[size_t(start)] == kNone || pieces[size_t(start)] + 1 >= pieces[size_t(end)])
                continue;
            if (isWord(list, lower.mid(start, end - start))) {
                pieces[size_t(end)] = pieces[size_t(start)] + 1;
                from[size_t(end)] = start;
            }
        }
    }
    if (pieces[size_t(n)] == kNone || pieces[size_t(n)] < 2)
        return run;
    QStringList words;
    for (qsizetype end = n; end > 0; end = from[size_t(end)])
        words.prepend(run.mid(from[size_t(end)], end - from[size_t(end)]));
    return words.join(QLatin1Char(' '));
}

QString RunTogetherSplitter::restore(const QString& text, const QString& language)
{
    static const QRegularExpression letters(QStringLiteral("^\\p{L}+$"));
    if (text.size() < kMinimumRun || text.size() > kMaximumRun || !letters.match(text).hasMatch())
        return text;
    // "LaHaya": a capital inside a word starts the next one.
    static const QRegularExpression camel(QStringLiteral("(?<=\\p{Ll})(?=\\p{Lu})"));
    if (text.contains(camel)) {
        QString spaced = text;
        spaced.replace(camel, QStringLiteral(" "));
        return spaced;
    }
    const WordList* list = words(language);
    if (!list || list->contains(text.toLower()))
        return text;
    return split(*list, text);
}
