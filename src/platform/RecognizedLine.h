#pragma once

#include <QList>
#include <QRectF>
#include <QString>

#include <optional>

// One line of text read from a screenshot, in global physical pixels. The recogniser gives a
// box for each word (or, in Chinese and Japanese, each character); a range of the text gets the
// union of the boxes it overlaps.
struct RecognizedLine
{
    struct Box
    {
        qsizetype start = 0; // UTF-16 range into text
        qsizetype length = 0;
        QRectF rect;

        friend bool operator==(const Box&, const Box&) = default;
    };

    QString text;
    QRectF rect;
    QList<Box> boxes;

    // The box of [start, start + length), or nothing when no recognised box overlaps it.
    std::optional<QRectF> boxFor(qsizetype start, qsizetype length) const
    {
        std::optional<QRectF> united;
        for (const Box& box : boxes) {
            if (box.start >= start + length || box.start + box.length <= start)
                continue;
            united = united ? united->united(box.rect) : box.rect;
        }
        return united;
    }

    friend bool operator==(const RecognizedLine&, const RecognizedLine&) = default;
};
