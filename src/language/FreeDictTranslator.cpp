#include "language/FreeDictTranslator.h"

#include "language/FreeDictDictionary.h"
#include "language/TranslationTextRules.h"
#include "preferences/LanguageCodes.h"

#include <QFileInfo>
#include <QRegularExpression>

FreeDictTranslator::FreeDictTranslator(QString directory)
    : m_directory(std::move(directory))
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

QString FreeDictTranslator::firstEquivalent(const QString& sense)
{
    static const QRegularExpression notes(QStringLiteral("\\([^)]*\\)|\\[[^\\]]*\\]|\\{[^}]*\\}|<[^>]*>"));
    QString text = sense;
    text.replace(notes, QStringLiteral(" "));
    for (const QString& piece : text.split(QRegularExpression(QStringLiteral("[,;]")))) {
        const QString equivalent = piece.simplified();
        if (!equivalent.isEmpty())
            return equivalent;
    }
    return {};
}

std::optional<FreeDictDictionary::Entry> FreeDictTranslator::bestEntry(
    const QList<FreeDictDictionary::Entry>& entries, const QString& word)
{
    if (entries.isEmpty())
        return std::nullopt;
    // Some dictionaries file phrases under their first word ("bank" for "bank note", with the
    // phrase's transcription): the bare word is the homograph with the shortest transcription.
    // An exact spelling is preferred to a case-insensitive match.
    const FreeDictDictionary::Entry* best = nullptr;
    const auto rank = [&word](const FreeDictDictionary::Entry& entry) {
        const int spelling = entry.headword == word ? 0 : 1;
        const qsizetype transcription = entry.pronunciation.isEmpty() ? 0 : entry.pronunciation.size();
        return std::make_pair(spelling, transcription);
    };
    for (const FreeDictDictionary::Entry& entry : entries) {
        if (!best || rank(entry) < rank(*best))
            best = &entry;
    }
    return *best;
}

QCoro::Task<TranslationBackend::Result> FreeDictTranslator::translate(QString text, QString source, QString target)
{
    FreeDictDictionary* open = dictionary(source, target);
    if (!open)
        co_return Result::failure(QStringLiteral("no FreeDict dictionary %1-%2").arg(source, target));
    const auto entry = bestEntry(open->lookupAll(text.simplified()), text.simplified());
    if (!entry)
        co_return Result::failure(QStringLiteral("\"%1\" is not in the %2-%3 dictionary").arg(text, source, target));
    for (const QString& sense : entry->senses) {
        const QString equivalent = firstEquivalent(sense);
        if (!equivalent.isEmpty())
            co_return Result::success(equivalent);
    }
    co_return Result::failure(QStringLiteral("the entry of \"%1\" has no translation").arg(text));
}
