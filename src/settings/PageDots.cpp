#include "settings/PageDots.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>

namespace {

class Dot : public QAbstractButton
{
public:
    explicit Dot(QWidget* parent)
        : QAbstractButton(parent)
    {
        setFixedSize(9, 9);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::NoFocus);
    }

    void setCurrent(bool current)
    {
        m_current = current;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor color = palette().color(QPalette::WindowText);
        color.setAlphaF(0.15);
        const qreal diameter = m_current ? 7 : 6;
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_current ? palette().color(QPalette::Highlight) : color);
        painter.drawEllipse(QRectF(rect()).center(), diameter / 2, diameter / 2);
    }

private:
    bool m_current = false;
};

} // namespace

PageDots::PageDots(int count, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pageDots"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    // 6 points between the circles; the buttons are a little wider than the circles they draw.
    row->setSpacing(3);
    for (int i = 0; i < count; ++i) {
        auto* dot = new Dot(this);
        dot->setObjectName(QStringLiteral("pageDot%1").arg(i));
        connect(dot, &QAbstractButton::clicked, this, [this, i] { Q_EMIT pageRequested(i); });
        row->addWidget(dot);
        m_dots << dot;
    }
    setCurrent(0);
    retranslate();
}

void PageDots::setCurrent(int index)
{
    m_current = index;
    for (int i = 0; i < m_dots.size(); ++i)
        static_cast<Dot*>(m_dots[i])->setCurrent(i == index);
}

void PageDots::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PageDots::retranslate()
{
    // The dots show no text; a screen reader names each by its page.
    for (int i = 0; i < m_dots.size(); ++i)
        m_dots[i]->setAccessibleName(tr("Страница %1 из %2").arg(i + 1).arg(m_dots.size()));
}
