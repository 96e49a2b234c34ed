#include "panels/EmphasisLabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {

// The natural width of a sentence before it wraps.
constexpr int kPreferredWidth = 320;

} // namespace

EmphasisLabel::EmphasisLabel(QWidget* parent)
    : QWidget(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void EmphasisLabel::setText(const QString& text, const QString& emphasised)
{
    m_text = text;
    const qsizetype at = emphasised.isEmpty() ? -1 : text.indexOf(emphasised, 0, Qt::CaseInsensitive);
    m_start = at < 0 ? 0 : at;
    m_length = at < 0 ? 0 : emphasised.size();
    // Painted text is invisible to screen readers unless it is also the widget's accessible name.
    setAccessibleName(text);
    updateGeometry();
    update();
}

void EmphasisLabel::setEmphasisColor(const QColor& color)
{
    m_emphasisColor = color;
    update();
}

qreal EmphasisLabel::layout(QTextLayout& textLayout, qreal width) const
{
    textLayout.setText(m_text);
    textLayout.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    textLayout.setTextOption(option);
    if (m_length > 0) {
        QTextLayout::FormatRange range;
        range.start = int(m_start);
        range.length = int(m_length);
        range.format.setFontWeight(QFont::DemiBold);
        if (m_emphasisColor.isValid())
            range.format.setForeground(m_emphasisColor);
        textLayout.setFormats({ range });
    }
    const qreal leading = QFontMetricsF(font()).leading();
    qreal height = 0;
    textLayout.beginLayout();
    for (QTextLine line = textLayout.createLine(); line.isValid(); line = textLayout.createLine()) {
        line.setLineWidth(width);
        height += leading;
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    textLayout.endLayout();
    return height;
}

int EmphasisLabel::heightForWidth(int width) const
{
    if (m_text.isEmpty())
        return 0;
    QTextLayout textLayout;
    return int(std::ceil(layout(textLayout, width)));
}

QSize EmphasisLabel::sizeHint() const
{
    if (m_text.isEmpty())
        return { 0, 0 };
    QTextLayout textLayout;
    layout(textLayout, 1e6);
    const int natural = int(std::ceil(textLayout.boundingRect().width()));
    const int width = std::min(natural, kPreferredWidth);
    return { width, heightForWidth(width) };
}

QSize EmphasisLabel::minimumSizeHint() const
{
    const int width = std::min(sizeHint().width(), 80);
    return { width, heightForWidth(width) };
}

void EmphasisLabel::paintEvent(QPaintEvent*)
{
    QTextLayout textLayout;
    layout(textLayout, width());
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    textLayout.draw(&painter, QPointF(0, 0));
}

void EmphasisLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(event);
}
