#pragma once

#include "grammar/GeneratedGrammarAnalysis.h"

#include <QColor>
#include <QList>
#include <QString>

// The coloured sentence and formula of a grammar analysis: the i-th sentence part and the i-th
// formula label share the i-th colour. Both are built as segments of plain text, so that nothing a
// sentence or the model contains is ever read as markup.
class GrammarPartColoring
{
public:
    static constexpr int kColorCount = 6;

    struct AlignedPart
    {
        QString sentencePart;
        QString formulaPart;
        int colorIndex = 0;
        bool operator==(const AlignedPart&) const = default;
    };

    struct Segment
    {
        enum class Kind { Plain, Part, Separator };
        QString text;
        Kind kind = Kind::Plain;
        int colorIndex = 0; // for parts
        bool operator==(const Segment&) const = default;
    };

    // Pairs the lists up to the shorter one; colours in turn.
    static QList<AlignedPart> alignedParts(const GeneratedGrammarAnalysis& analysis);
    // The sentence cut into plain stretches and coloured parts, left to right. A part is found
    // case-insensitively, with typographic quotes matching plain ones; one that is not found, or that
    // overlaps a part further left, stays uncoloured.
    static QList<Segment> coloredSentence(const QString& text, const QList<AlignedPart>& aligned);
    // The formula labels, coloured, joined by " + " separators.
    static QList<Segment> coloredFormula(const QList<AlignedPart>& aligned);

    // The colour of part `index` (taken modulo kColorCount); `highlight` is the theme's accent.
    static QColor color(int index, const QColor& highlight);
    // Rich text of the segments with every text escaped: parts semibold in their colours.
    static QString html(const QList<Segment>& segments, const QColor& highlight, const QColor& secondary);
    static QString plainText(const QList<Segment>& segments);
    // Typographic quotes as plain ones; each replacement keeps the length, so positions carry over.
    static QString normalizedQuotes(QString text);
};
