#include "capture/SentenceTieBreak.h"

#include "capture/TextOffsets.h"

#include <QStringList>

namespace SentenceTieBreak {

namespace {
QStringList pieces(const QString& sentence)
{
    return sentence.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
} // namespace

QString normalized(const QString& sentence)
{
    QString text = sentence;
    text.replace(QChar(0x2018), QLatin1Char('\'')).replace(QChar(0x2019), QLatin1Char('\''));
    text.replace(QChar(0x201C), QLatin1Char('"')).replace(QChar(0x201D), QLatin1Char('"'));
    return pieces(text).join(QLatin1Char(' '));
}

qsizetype wordCount(const QString& sentence)
{
    return pieces(sentence).size();
}

QString choose(const QString& accessibilitySentence, const QString& recognizedSentence)
{
    const QString nAX = normalized(accessibilitySentence);
    const QString nOCR = normalized(recognizedSentence);
    if (nAX.contains(nOCR) || nOCR.contains(nAX)) {
        // Lengths in user-perceived characters, as a reader counts them.
        return TextOffsets::graphemeCount(nOCR) < TextOffsets::graphemeCount(nAX) ? recognizedSentence
                                                                                  : accessibilitySentence;
    }
    return wordCount(recognizedSentence) >= wordCount(accessibilitySentence) ? recognizedSentence
                                                                             : accessibilitySentence;
}

} // namespace SentenceTieBreak
