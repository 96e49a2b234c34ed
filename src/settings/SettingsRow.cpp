#include "settings/SettingsRow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

SettingsRow::SettingsRow(Text title, Text subtitle, QWidget* control, QWidget* parent)
    : QWidget(parent)
    , m_titleText(std::move(title))
    , m_subtitleText(std::move(subtitle))
    , m_control(control)
{
    auto* line = new QHBoxLayout(this);
    line->setContentsMargins(12, 9, 12, 9);
    auto* texts = m_texts = new QVBoxLayout;
    texts->setSpacing(2);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("rowTitle"));
    m_title->setWordWrap(true);
    texts->addWidget(m_title);
    if (m_subtitleText) {
        m_subtitle = new QLabel(this);
        m_subtitle->setObjectName(QStringLiteral("rowSubtitle"));
        m_subtitle->setWordWrap(true);
        m_subtitle->setForegroundRole(QPalette::PlaceholderText);
        QFont small = m_subtitle->font();
        small.setPointSizeF(small.pointSizeF() * 0.88);
        m_subtitle->setFont(small);
        texts->addWidget(m_subtitle);
    }
    line->addLayout(texts, 1);
    if (control) {
        control->setParent(this);
        line->addWidget(control, 0, Qt::AlignVCenter | Qt::AlignRight);
    }
    retranslate();
}

void SettingsRow::addBelowTitle(QWidget* widget)
{
    widget->setParent(this);
    m_texts->addWidget(widget);
}

void SettingsRow::retranslate()
{
    const QString title = m_titleText();
    m_title->setText(title);
    if (m_subtitle)
        m_subtitle->setText(m_subtitleText());
    // The control has no visible label of its own: the row's title names it.
    if (m_control && m_control->accessibleName().isEmpty())
        m_control->setAccessibleDescription(title);
}

void SettingsRow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
