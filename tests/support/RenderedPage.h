#pragma once

#include "platform/RecognizedLine.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QStringList>

// A paragraph drawn the way a text view draws it: one font, the font's own line spacing, dark
// text on light or light text on dark. Knows where each of its words is, so recognition of the
// image can be checked against the truth.
struct RenderedPage
{
    QString family;
    int pixelSize = 16;
    bool dark = false;
    QStringList lines;
    QPoint origin { 300, 420 }; // left end of the first baseline

    struct Word
    {
        QString text; // as written, punctuation included
        int line = 0;
        QPoint centre;
    };

    QFont font() const;
    qreal lineStep() const;
    void render(QImage& screen) const;
    // The middle of the first occurrence of the text; a null point when it is not on the page.
    QPoint pointOver(const QString& text) const;
    // Every space-separated word with the middle of its glyphs.
    QList<Word> words() const;
    // The lines as a perfect recogniser would report them: ink boxes of lines and words.
    QList<RecognizedLine> truth() const;
};
