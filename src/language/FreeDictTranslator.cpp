#include "language/FreeDictTranslator.h"

#include "language/FreeDictDictionary.h"
#include "language/TranslationTextRules.h"
#include "preferences/LanguageCodes.h"

#include <QFileInfo>
#include <QRegularExpression>

FreeDictTranslator::FreeDictTranslator(QString directory)
    : FreeDictTranslator(Options { .directory = std::move(directory) })
{
}

FreeDictTranslator::FreeDictTranslator(const Options& options)
    : m_directory(options.directory)
    , m_lemmas(options.wordNetDirectory)
    , m_splitter(options.hunspellDirectory)
{
}

FreeDictTranslator::~FreeDictTranslator() = default;

QString FreeDictTranslator::basePath(const QString& source, const QString& target) const
{
    const QString s = LanguageCodes::threeLetter(source), t = LanguageCodes::threeLetter(target);
    if (s.isEmpty() || t.isEmpty() || s == t)
        return {};
    return m_directory + QStringLiteral("/freedict-") + s + QLatin1Char('-') + t;
}

bool FreeDictTranslator::accepts(const QString& text) const
{
    const qsizetype words = TranslationTextRules::tokens(text).size();
    return words > 0 && words <= kMaxWords;
}

QCoro::Task<bool> FreeDictTranslator::supports(QString source, QString target)
{
    const QString base = basePath(source, target);
    co_return !base.isEmpty() && QFileInfo::exists(base + QStringLiteral(".index"))
        && QFileInfo::exists(base + QStringLiteral(".dict.dz"));
}

FreeDictDictionary* FreeDictTranslator::dictionary(const QString& source, const QString& target)
{
    const QString base = basePath(source, target);
    if (base.isEmpty())
        return nullptr;
    auto found = m_open.constFind(base);
    if (found != m_open.constEnd() && found.value())
        return found.value().get();
    // A failed open is tried again next time: the package may have been installed meanwhile.
    std::shared_ptr<FreeDictDictionary> opened = FreeDictDictionary::open(base);
    m_open.insert(base, opened);
    return opened.get();
}

QStringList FreeDictTranslator::equivalents(const QString& sense)
{
    static const QRegularExpression notes(QStringLiteral("\\([^)]*\\)|\\[[^\\]]*\\]|\\{[^}]*\\}|<[^>]*>"));
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    QString text = sense;
    text.replace(notes, QStringLiteral(" "));
    QStringList list;
    for (const QString& piece : text.split(separators)) {
        const QString equivalent = piece.simplified();
        if (!equivalent.isEmpty())
            list << equivalent;
    }
    return list;
}

QString FreeDictTranslator::firstEquivalent(const QString& sense)
{
    return equivalents(sense).value(0);
}

QCoro::Task<TranslationBackend::Result> FreeDictTranslator::translate(QString text, QString source, QString target)
{
    if (!dictionary(source, target))
        co_return Result::failure(QStringLiteral("no FreeDict dictionary %1-%2").arg(source, target));
    const QStringList found = sensesOf(text.simplified(), source, target);
    if (found.isEmpty())
        co_return Result::failure(QStringLiteral("\"%1\" is not in the %2-%3 dictionary").arg(text, source, target));
    co_return Result::success(found.first());
}

QCoro::Task<QStringList> FreeDictTranslator::senses(QString text, QString source, QString target)
{
    co_return sensesOf(text.simplified(), source, target);
}

void FreeDictTranslator::prepare(const QString& source, const QString& target)
{
    if (!dictionary(source, target))
        return;
    m_splitter.prepare(target);
    if (LanguageCodes::base(source) == QLatin1String("en"))
        m_lemmas.prepare();
}

QStringList FreeDictTranslator::sensesOf(const QString& text, const QString& source, const QString& target)
{
    FreeDictDictionary* open = dictionary(source, target);
    if (!open || text.isEmpty())
        return {};
    QStringList forms { text };
    if (LanguageCodes::base(source) == QLatin1String("en"))
        forms += m_lemmas.baseForms(text);
    for (const QString& form : forms) {
        QStringList found;
        for (const FreeDictDictionary::Entry& entry : wordEntries(open->lookupAll(form), form, target)) {
            for (const QString& sense : entry.senses) {
                for (const QString& equivalent : equivalents(sense)) {
                    const QString restored = m_splitter.restore(equivalent, target);
                    if (!found.contains(restored, Qt::CaseInsensitive))
                        found << restored;
                }
            }
        }
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QList<FreeDictDictionary::Entry> FreeDictTranslator::wordEntries(
    const QList<FreeDictDictionary::Entry>& entries, const QString& word, const QString& target)
{
    // The word as written first; a case-insensitive match ("House" at a sentence start) else.
    QList<FreeDictDictionary::Entry> same;
    for (const FreeDictDictionary::Entry& entry : entries) {
        if (entry.headword == word)
            same << entry;
    }
    if (same.isEmpty()) {
        for (const FreeDictDictionary::Entry& entry : entries) {
            if (entry.headword.compare(word, Qt::CaseInsensitive) == 0)
                same << entry;
        }
    }
    // Some dictionaries file phrases under their first word ("bank" for "bank account", "the" for
    // "The Hague"), with the phrase's transcription or a translation of several words run
    // together. The word's own entries have the shortest transcription.
    static const QRegularExpression stress(QStringLiteral("[ˈˌ]"));
    const auto transcription
        = [](const FreeDictDictionary::Entry& entry) { return QString(entry.pronunciation).remove(stress).size(); };
    qsizetype shortest = std::numeric_limits<qsizetype>::max();
    for (const FreeDictDictionary::Entry& entry : same) {
        if (!entry.pronunciation.isEmpty())
            shortest = std::min(shortest, transcription(entry));
    }
    const bool oneWord = !word.contains(QLatin1Char(' '));
    QList<FreeDictDictionary::Entry> words;
    for (const FreeDictDictionary::Entry& entry : same) {
        if (!entry.pronunciation.isEmpty() && transcription(entry) > shortest + 3)
            continue;
        bool phraseOnly = oneWord && !entry.senses.isEmpty();
        for (const QString& sense : entry.senses) {
            for (const QString& equivalent : equivalents(sense))
                phraseOnly = phraseOnly && m_splitter.isRunTogether(equivalent, target);
        }
        if (!phraseOnly)
            words << entry;
    }
    // Better a phrase than nothing.
    return words.isEmpty() ? same : words;
}
