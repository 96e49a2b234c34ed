#pragma once

#include "capture/OCRCaptureService.h"
#include "platform/RecognizedLine.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>

// Picks the word under the pointer and its sentence from the lines recognised in a
// screenshot: the line under (or nearest) the pointer, the token hit by the pointer with a
// capitalised name or Japanese endings kept together, and the sentence, joined across
// neighbouring lines when it runs past the line. All geometry is in global physical pixels.
namespace ScreenWordPicker {

// Half the extent of the area around the pointer whose lines count, at scale 1.
constexpr qreal kNearbyHalfWidth = 700;
constexpr qreal kNearbyHalfHeight = 400;

struct Token
{
    qsizetype start = 0; // UTF-16 range into the line's text
    qsizetype length = 0;
    QString text;
    std::optional<QRectF> rect;
};

QList<Token> tokens(const RecognizedLine& line);
// The lines within reach of the pointer, in their order.
QList<RecognizedLine> nearbyLines(const QList<RecognizedLine>& lines, QPointF pointer, qreal scale = 1.0);
// Index into nearby: the first line containing the pointer, else the one whose centre is closest.
std::optional<qsizetype> chooseLine(const QList<RecognizedLine>& nearby, QPointF pointer);
struct PickedWord
{
    QString word;
    qsizetype offset = -1; // UTF-16 offset of the pointed token in the line's text; -1 when unknown
};
PickedWord pickWord(const RecognizedLine& line, QPointF pointer);
QString extractWord(const RecognizedLine& line, QPointF pointer);
// The sentence with the word, joined across neighbouring lines when it runs past this one;
// offset (as pickWord gives it) tells which occurrence of the word is meant.
QString buildSentence(
    const RecognizedLine& chosen, const QList<RecognizedLine>& nearby, const QString& word, qsizetype offset = -1);
// An all-capitals caption or abbreviation: two letters or more, none lower case.
bool isStandaloneLabel(const QString& text);

// The whole pick with its log lines; nothing when there is no text or no line near the pointer.
std::optional<OCRCaptureService::CaptureResult> pick(
    const QList<RecognizedLine>& lines, QPointF pointer, qreal scale = 1.0);

} // namespace ScreenWordPicker
