#include "capture/TextOffsets.h"

#include <QTextBoundaryFinder>

namespace TextOffsets {

qsizetype utf16FromCodePoint(const QString& text, qsizetype codePointIndex)
{
    if (codePointIndex <= 0)
        return 0;
    qsizetype units = 0;
    qsizetype points = 0;
    while (units < text.size() && points < codePointIndex) {
        units += (text.at(units).isHighSurrogate() && units + 1 < text.size() && text.at(units + 1).isLowSurrogate())
            ? 2
            : 1;
        ++points;
    }
    return units;
}

qsizetype codePointFromUtf16(const QString& text, qsizetype utf16Offset)
{
    if (utf16Offset <= 0)
        return 0;
    qsizetype units = 0;
    qsizetype points = 0;
    while (units < text.size()) {
        const qsizetype width
            = (text.at(units).isHighSurrogate() && units + 1 < text.size() && text.at(units + 1).isLowSurrogate()) ? 2
                                                                                                                   : 1;
        if (units + width > utf16Offset)
            break;
        units += width;
        ++points;
    }
    return points;
}

qsizetype utf16FromGrapheme(const QString& text, qsizetype graphemeIndex)
{
    if (graphemeIndex <= 0)
        return 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype index = 0;
    qsizetype position = 0;
    while (index < graphemeIndex) {
        position = finder.toNextBoundary();
        if (position < 0)
            return text.size();
        ++index;
    }
    return position;
}

qsizetype graphemeFromUtf16(const QString& text, qsizetype utf16Offset)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype index = 0;
    for (qsizetype next = finder.toNextBoundary(); next >= 0 && next <= utf16Offset && next < text.size();
         next = finder.toNextBoundary())
        ++index;
    return index;
}

qsizetype codePointCount(const QString& text)
{
    return codePointFromUtf16(text, text.size());
}

qsizetype graphemeCount(const QString& text)
{
    if (text.isEmpty())
        return 0;
    return graphemeFromUtf16(text, text.size() - 1) + 1;
}

} // namespace TextOffsets
