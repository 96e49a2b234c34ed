#include "settings/ForgettingCurveDiagram.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

QColor secondaryHalf(const QPalette& palette)
{
    QColor color = palette.color(QPalette::PlaceholderText);
    color.setAlphaF(0.5);
    return color;
}

class CurveDrawing : public QWidget
{
public:
    explicit CurveDrawing(QWidget* parent)
        : QWidget(parent)
    {
        setFixedHeight(90);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        // Inset by half the widest pen so that the strokes at the edges stay whole.
        const QRectF area = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        const auto at = [&area](qreal x, qreal y) {
            return QPointF(area.left() + x * area.width(), area.top() + y * area.height());
        };
        QPainterPath without(at(0, 0));
        without.cubicTo(at(0.15, 0.55), at(0.5, 0.85), at(1, 0.92));
        painter.setPen(QPen(secondaryHalf(palette()), 2, Qt::DashLine, Qt::RoundCap));
        painter.drawPath(without);

        QPainterPath with;
        const QList<QPointF> corners = ForgettingCurveDiagram::withRepetition();
        with.moveTo(at(corners.first().x(), corners.first().y()));
        for (qsizetype i = 1; i < corners.size(); ++i)
            with.lineTo(at(corners[i].x(), corners[i].y()));
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(with);
    }
};

class Swatch : public QWidget
{
public:
    Swatch(const QColor& color, QWidget* parent)
        : QWidget(parent)
        , m_color(color)
    {
        setFixedSize(6, 6);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), m_color); }

private:
    QColor m_color;
};

} // namespace

ForgettingCurveDiagram::ForgettingCurveDiagram(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("forgettingCurve"));
    setFixedWidth(280);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    column->addWidget(new CurveDrawing(this));
    auto* legend = new QHBoxLayout;
    legend->setSpacing(4);
    QFont small = font();
    small.setPointSizeF(10);
    m_with = new QLabel(this);
    m_with->setObjectName(QStringLiteral("legendWith"));
    m_with->setFont(small);
    m_without = new QLabel(this);
    m_without->setObjectName(QStringLiteral("legendWithout"));
    m_without->setFont(small);
    legend->addStretch(1);
    legend->addWidget(new Swatch(palette().color(QPalette::Highlight), this));
    legend->addWidget(m_with);
    legend->addSpacing(12);
    legend->addWidget(new Swatch(secondaryHalf(palette()), this));
    legend->addWidget(m_without);
    legend->addStretch(1);
    column->addLayout(legend);
    retranslate();
}

QList<QPointF> ForgettingCurveDiagram::withRepetition()
{
    return { { 0, 0 }, { 0.1, 0.45 }, { 0.1, 0.05 }, { 0.28, 0.35 }, { 0.28, 0.02 }, { 0.55, 0.28 }, { 0.55, 0.02 },
        { 0.9, 0.2 }, { 0.9, 0.02 }, { 1, 0.08 } };
}

void ForgettingCurveDiagram::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ForgettingCurveDiagram::retranslate()
{
    m_with->setText(tr("С повторением"));
    m_without->setText(tr("Без повторения"));
}
