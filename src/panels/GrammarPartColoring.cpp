#include "panels/GrammarPartColoring.h"

#include "diagnostics/QMLog.h"

#include <algorithm>

QList<GrammarPartColoring::AlignedPart> GrammarPartColoring::alignedParts(const GeneratedGrammarAnalysis& analysis)
{
    QList<AlignedPart> aligned;
    const qsizetype count = std::min(analysis.sentenceParts.size(), analysis.formulaParts.size());
    for (qsizetype i = 0; i < count; ++i)
        aligned.append({ analysis.sentenceParts[i], analysis.formulaParts[i], int(i % kColorCount) });
    return aligned;
}

QString GrammarPartColoring::normalizedQuotes(QString text)
{
    for (QChar& c : text) {
        switch (c.unicode()) {
        case 0x2018:
        case 0x2019:
            c = QLatin1Char('\'');
            break;
        case 0x201C:
        case 0x201D:
            c = QLatin1Char('"');
            break;
        default:
            break;
        }
    }
    return text;
}

QList<GrammarPartColoring::Segment> GrammarPartColoring::coloredSentence(
    const QString& text, const QList<AlignedPart>& aligned)
{
    struct Range
    {
        qsizetype start;
        qsizetype length;
        int colorIndex;
    };
    // Searched in place (Qt folds case one UTF-16 unit at a time, never changing lengths as a
    // lower-cased copy could: "İ"), so every position is a position in `text`.
    const QString normalized = normalizedQuotes(text);
    QList<Range> ranges;
    for (const AlignedPart& part : aligned) {
        const QString needle = normalizedQuotes(part.sentencePart.trimmed());
        const qsizetype at = needle.isEmpty() ? -1 : normalized.indexOf(needle, 0, Qt::CaseInsensitive);
        if (at < 0) {
            qCDebug(lcGrammar).noquote()
                << QStringLiteral("Couldn't locate \"%1\" in the sentence for highlighting").arg(part.sentencePart);
            continue;
        }
        ranges.append({ at, needle.size(), part.colorIndex });
    }
    std::stable_sort(ranges.begin(), ranges.end(), [](const Range& a, const Range& b) { return a.start < b.start; });

    QList<Segment> segments;
    qsizetype cursor = 0;
    for (const Range& range : ranges) {
        if (range.start < cursor)
            continue; // overlaps a part already coloured
        if (range.start > cursor)
            segments.append({ text.mid(cursor, range.start - cursor), Segment::Kind::Plain, 0 });
        segments.append({ text.mid(range.start, range.length), Segment::Kind::Part, range.colorIndex });
        cursor = range.start + range.length;
    }
    if (cursor < text.size())
        segments.append({ text.mid(cursor), Segment::Kind::Plain, 0 });
    return segments;
}

QList<GrammarPartColoring::Segment> GrammarPartColoring::coloredFormula(const QList<AlignedPart>& aligned)
{
    QList<Segment> segments;
    for (const AlignedPart& part : aligned) {
        if (!segments.isEmpty())
            segments.append({ QStringLiteral(" + "), Segment::Kind::Separator, 0 });
        segments.append({ part.formulaPart, Segment::Kind::Part, part.colorIndex });
    }
    return segments;
}

QColor GrammarPartColoring::color(int index, const QColor& highlight)
{
    switch (((index % kColorCount) + kColorCount) % kColorCount) {
    case 0:
        return QColor(0x22, 0x7A, 0x42); // green
    case 1:
        return highlight;
    case 2:
        return QColor(0x4A, 0x5F, 0xA0); // blue
    case 3:
        return QColor(0x6B, 0x4F, 0xA0); // purple
    case 4:
        return QColor(0x9C, 0x63, 0x00); // amber
    default:
        return QColor(0x7A, 0x4A, 0x8C); // plum
    }
}

QString GrammarPartColoring::html(const QList<Segment>& segments, const QColor& highlight, const QColor& secondary)
{
    // White space as it stands: a selection's double spaces and line breaks are part of it.
    QString html = QStringLiteral("<span style=\"white-space:pre-wrap\">");
    for (const Segment& segment : segments) {
        const QString escaped = segment.text.toHtmlEscaped();
        switch (segment.kind) {
        case Segment::Kind::Plain:
            html += escaped;
            break;
        case Segment::Kind::Part:
            html += QStringLiteral("<span style=\"color:%1; font-weight:600\">%2</span>")
                        .arg(color(segment.colorIndex, highlight).name(), escaped);
            break;
        case Segment::Kind::Separator:
            html += QStringLiteral("<span style=\"color:%1\">%2</span>").arg(secondary.name(), escaped);
            break;
        }
    }
    return html + QStringLiteral("</span>");
}

QString GrammarPartColoring::plainText(const QList<Segment>& segments)
{
    QString text;
    for (const Segment& segment : segments)
        text += segment.text;
    return text;
}
