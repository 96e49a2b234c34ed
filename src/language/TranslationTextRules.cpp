#include "language/TranslationTextRules.h"

#include <QSet>

namespace {

bool inSet(const QString& token, std::initializer_list<const char*> words)
{
    const QString lower = token.toLower();
    for (const char* word : words) {
        if (lower == QLatin1String(word))
            return true;
    }
    return false;
}

bool startsUpper(const QString& text)
{
    return !text.isEmpty() && text.at(0).isUpper();
}

} // namespace

bool TranslationTextRules::isParticle(const QString& token)
{
    return inSet(
        token, { "up", "down", "out", "off", "away", "back", "over", "through", "on", "in", "around", "along" });
}

bool TranslationTextRules::isPrepositionAfterParticle(const QString& token)
{
    return inSet(token, { "to", "with", "for", "on", "into" });
}

bool TranslationTextRules::isLabelStopWord(const QString& token)
{
    return inSet(token, { "a", "an", "the", "of", "in", "on", "to", "for", "and", "or", "is", "are" });
}

QStringList TranslationTextRules::tokens(const QString& text)
{
    QStringList result;
    QString current;
    for (const QChar ch : text) {
        if (ch.isLetterOrNumber() || ch.isMark()) {
            current.append(ch);
        } else if (!current.isEmpty()) {
            result.append(current);
            current.clear();
        }
    }
    if (!current.isEmpty())
        result.append(current);
    return result;
}

QString TranslationTextRules::translationUnit(const QString& word, const QString& sentence, const VerbTest& isVerb)
{
    if (sentence.isEmpty())
        return word;
    QString clause = sentence;
    for (const QString& piece : sentence.split(QLatin1Char(':'))) {
        if (piece.contains(word, Qt::CaseInsensitive)) {
            clause = piece;
            break;
        }
    }
    const QStringList parts = tokens(clause);
    if (parts.isEmpty())
        return word;
    qsizetype i = -1;
    for (qsizetype k = 0; k < parts.size(); ++k) {
        if (parts[k].compare(word, Qt::CaseInsensitive) == 0) {
            i = k;
            break;
        }
    }
    if (i < 0)
        return word;

    if (i + 1 < parts.size() && isParticle(parts[i + 1]) && isVerb && isVerb(word, sentence)) {
        QStringList phrase { parts[i], parts[i + 1] };
        if (i + 2 < parts.size() && isPrepositionAfterParticle(parts[i + 2]))
            phrase.append(parts[i + 2]);
        return phrase.join(QLatin1Char(' '));
    }
    if (startsUpper(word)) {
        QStringList phrase { parts[i] };
        if (i > 0 && startsUpper(parts[i - 1]))
            phrase.prepend(parts[i - 1]);
        if (i + 1 < parts.size() && startsUpper(parts[i + 1]))
            phrase.append(parts[i + 1]);
        return phrase.size() < 2 ? word : phrase.join(QLatin1Char(' '));
    }
    return word;
}

bool TranslationTextRules::looksLikeUILabel(const QString& sentence)
{
    QStringList pieces;
    for (const QString& raw : sentence.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        qsizetype start = 0;
        qsizetype end = raw.size();
        while (start < end && raw.at(start).isPunct())
            ++start;
        while (end > start && raw.at(end - 1).isPunct())
            --end;
        if (end > start)
            pieces.append(raw.mid(start, end - start));
    }
    if (pieces.size() < 2)
        return false;
    QStringList kept;
    for (const QString& piece : pieces) {
        if (!isLabelStopWord(piece))
            kept.append(piece);
    }
    if (kept.size() < 2)
        return false;
    for (const QString& piece : kept) {
        if (!startsUpper(piece))
            return false;
    }
    return true;
}
