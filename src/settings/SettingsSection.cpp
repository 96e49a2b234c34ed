#include "settings/SettingsSection.h"

#include "settings/SettingsIcon.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

// The card: primary colour at 3 % inside, 7 % on the half-point outline, corner radius 9.
class SectionCard : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor fill = palette().color(QPalette::WindowText);
        QColor outline = fill;
        fill.setAlphaF(0.03);
        outline.setAlphaF(0.07);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 9, 9);
        painter.fillPath(shape, fill);
        painter.setPen(QPen(outline, 1));
        painter.drawPath(shape);
    }
};

QFrame* divider(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("rowDivider"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setFixedHeight(1);
    QPalette palette = line->palette();
    QColor color = palette.color(QPalette::WindowText);
    color.setAlphaF(0.1);
    palette.setColor(QPalette::WindowText, color);
    line->setPalette(palette);
    return line;
}

} // namespace

SettingsSection::SettingsSection(
    std::function<QString()> title, const QString& symbol, const QColor& color, QWidget* parent)
    : QWidget(parent)
    , m_title(std::move(title))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    auto* header = new QHBoxLayout;
    header->setSpacing(6);
    header->addWidget(new SettingsIcon(symbol, color, 18, this));
    m_header = new QLabel(this);
    m_header->setObjectName(QStringLiteral("sectionTitle"));
    QFont semibold = m_header->font();
    semibold.setWeight(QFont::DemiBold);
    semibold.setPointSizeF(semibold.pointSizeF() * 0.85);
    m_header->setFont(semibold);
    header->addWidget(m_header, 1);
    column->addLayout(header);
    m_card = new SectionCard(this);
    m_card->setObjectName(QStringLiteral("sectionCard"));
    m_rows = new QVBoxLayout(m_card);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(0);
    column->addWidget(m_card);
    retranslate();
}

QWidget* SettingsSection::addRow(QWidget* row)
{
    auto* item = new QWidget(m_card);
    auto* layout = new QVBoxLayout(item);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (m_rows->count() > 0) {
        auto* indent = new QHBoxLayout;
        indent->setContentsMargins(12, 0, 0, 0);
        indent->addWidget(divider(item));
        layout->addLayout(indent);
    }
    row->setParent(item);
    layout->addWidget(row);
    m_rows->addWidget(item);
    return item;
}

void SettingsSection::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void SettingsSection::retranslate()
{
    m_header->setText(m_title().toUpper());
}
