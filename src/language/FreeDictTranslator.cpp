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
        QList<FreeDictDictionary::Entry> entries = wordEntries(open->lookupAll(form), form, target);
        if (entries.isEmpty() && LanguageCodes::base(source) == QLatin1String("en"))
            entries = phrasalVerbEntries(*open, form);
        for (const FreeDictDictionary::Entry& entry : entries) {
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

namespace {

QString bareTranscription(const FreeDictDictionary::Entry& entry)
{
    static const QRegularExpression stress(QStringLiteral("[ˈˌ\\s]"));
    return QString(entry.pronunciation).remove(stress);
}

// The particles of English phrasal verbs as the English dictionaries transcribe them where they
// file the phrase under its verb ("give up" is "give /givʌp/", "put on" is "put /putwʌn/").
const QHash<QString, QStringList>& particleTranscriptions()
{
    // clang-format off
    static const QHash<QString, QStringList> particles {
        { QStringLiteral("up"), { QStringLiteral("ʌp") } },
        { QStringLiteral("down"), { QStringLiteral("daun") } },
        { QStringLiteral("in"), { QStringLiteral("in") } },
        { QStringLiteral("out"), { QStringLiteral("aut") } },
        { QStringLiteral("off"), { QStringLiteral("ɔf"), QStringLiteral("ɔːf") } },
        { QStringLiteral("on"), { QStringLiteral("wʌn"), QStringLiteral("ɔn") } },
        { QStringLiteral("away"), { QStringLiteral("ɔːwei"), QStringLiteral("əwei") } },
        { QStringLiteral("back"), { QStringLiteral("bæk") } },
        { QStringLiteral("over"), { QStringLiteral("ouvər") } },
        { QStringLiteral("about"), { QStringLiteral("əbaut") } },
        { QStringLiteral("across"), { QStringLiteral("əkrɔs") } },
        { QStringLiteral("after"), { QStringLiteral("ɑːftər") } },
        { QStringLiteral("for"), { QStringLiteral("fər"), QStringLiteral("fɔːr") } },
        { QStringLiteral("around"), { QStringLiteral("əraund") } },
        { QStringLiteral("round"), { QStringLiteral("raund") } },
        { QStringLiteral("through"), { QStringLiteral("θruː") } },
        { QStringLiteral("along"), { QStringLiteral("ælɔŋ"), QStringLiteral("əlɔŋ") } },
        { QStringLiteral("apart"), { QStringLiteral("əpɑːt") } },
        { QStringLiteral("together"), { QStringLiteral("təgeðər") } },
    };
    // clang-format on
    return particles;
}

// Every way the particles can be transcribed one after the other.
QStringList particleSpellings(const QStringList& words)
{
    QStringList spellings { QString() };
    for (const QString& word : words) {
        const auto found = particleTranscriptions().constFind(word.toLower());
        if (found == particleTranscriptions().constEnd())
            return {};
        QStringList longer;
        for (const QString& head : std::as_const(spellings)) {
            for (const QString& tail : *found)
                longer << head + tail;
        }
        spellings = longer;
    }
    return spellings;
}

} // namespace

QList<FreeDictDictionary::Entry> FreeDictTranslator::phrasalVerbEntries(
    FreeDictDictionary& dictionary, const QString& phrase)
{
    const QStringList words = phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 2)
        return {};
    const QStringList particles = particleSpellings(words.mid(1));
    if (particles.isEmpty())
        return {};
    QList<FreeDictDictionary::Entry> filed;
    for (const FreeDictDictionary::Entry& entry : dictionary.lookupAll(words.first())) {
        if (entry.headword.compare(words.first(), Qt::CaseInsensitive) == 0 && !entry.pronunciation.isEmpty())
            filed << entry;
    }
    // The verb's own transcription is the shortest of the entries filed under it.
    const auto shortest
        = std::ranges::min_element(filed, {}, [](const auto& e) { return bareTranscription(e).size(); });
    if (shortest == filed.end())
        return {};
    const QString verb = bareTranscription(*shortest);
    QList<FreeDictDictionary::Entry> found;
    for (const FreeDictDictionary::Entry& entry : filed) {
        const QString transcription = bareTranscription(entry);
        if (transcription.startsWith(verb) && particles.contains(transcription.mid(verb.size())))
            found << entry;
    }
    return found;
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
