#include "RenderedPage.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

QFont RenderedPage::font() const
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

qreal RenderedPage::lineStep() const
{
    return std::ceil(QFontMetricsF(font()).lineSpacing());
}

void RenderedPage::render(QImage& screen) const
{
    screen.fill(dark ? QColor(0x1e, 0x1e, 0x1e) : QColor(Qt::white));
    QPainter painter(&screen);
    painter.setFont(font());
    painter.setPen(dark ? QColor(0xdd, 0xdd, 0xdd) : QColor(0x20, 0x20, 0x20));
    for (qsizetype i = 0; i < lines.size(); ++i)
        painter.drawText(QPointF(origin.x(), origin.y() + qreal(i) * lineStep()), lines[i]);
}

QPoint RenderedPage::pointOver(const QString& text) const
{
    const QFontMetricsF metrics(font());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype at = lines[i].indexOf(text);
        if (at < 0)
            continue;
        const qreal x = origin.x() + metrics.horizontalAdvance(lines[i].left(at)) + metrics.horizontalAdvance(text) / 2;
        const qreal y = origin.y() + qreal(i) * lineStep() - metrics.xHeight() / 2;
        return QPointF(x, y).toPoint();
    }
    return {};
}

QList<RenderedPage::Word> RenderedPage::words() const
{
    const QFontMetricsF metrics(font());
    QList<Word> result;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        qsizetype start = 0;
        for (const QString& piece : lines[i].split(QLatin1Char(' '))) {
            if (!piece.isEmpty()) {
                const qreal x = origin.x() + metrics.horizontalAdvance(lines[i].left(start))
                    + metrics.horizontalAdvance(piece) / 2;
                const qreal y = origin.y() + qreal(i) * lineStep() - metrics.xHeight() / 2;
                result.append({ piece, int(i), QPointF(x, y).toPoint() });
            }
            start += piece.size() + 1;
        }
    }
    return result;
}

QList<RecognizedLine> RenderedPage::truth() const
{
    const QFontMetricsF metrics(font());
    QList<RecognizedLine> result;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QPointF baseline(origin.x(), origin.y() + qreal(i) * lineStep());
        RecognizedLine line { lines[i], metrics.tightBoundingRect(lines[i]).translated(baseline), {} };
        qsizetype start = 0;
        for (const QString& piece : lines[i].split(QLatin1Char(' '))) {
            if (!piece.isEmpty()) {
                const QPointF at = baseline + QPointF(metrics.horizontalAdvance(lines[i].left(start)), 0);
                line.boxes.append({ start, piece.size(), metrics.tightBoundingRect(piece).translated(at) });
            }
            start += piece.size() + 1;
        }
        result.append(line);
    }
    return result;
}
