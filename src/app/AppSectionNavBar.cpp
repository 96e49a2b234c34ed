#include "app/AppSectionNavBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>

namespace {
QIcon iconFor(AppSection section)
{
    switch (section) {
    case AppSection::Review:
        return QIcon::fromTheme(QStringLiteral("view-list-details"));
    case AppSection::Grammar:
        return QIcon::fromTheme(QStringLiteral("accessories-dictionary"));
    case AppSection::LanguageSettings:
        return QIcon::fromTheme(QStringLiteral("preferences-system"));
    case AppSection::Onboarding:
        return QIcon::fromTheme(QStringLiteral("help-about"));
    }
    return {};
}
} // namespace

AppSectionNavBar::AppSectionNavBar(AppSection current, QWidget* parent)
    : QWidget(parent)
    , m_current(current)
{
    setObjectName(QStringLiteral("appSectionNavBar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    QFont small = font();
    small.setPointSizeF(11);
    for (AppSection section : AppSections::all()) {
        if (section == current)
            continue;
        auto* button = new QPushButton(iconFor(section), QString(), this);
        button->setObjectName(objectNameFor(section));
        button->setFont(small);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, [this, section] { Q_EMIT sectionRequested(section); });
        row->addWidget(button, 0, Qt::AlignVCenter);
        m_buttons.insert(section, button);
    }
    row->addStretch(1);
    retranslate();
}

QString AppSectionNavBar::label(AppSection section)
{
    switch (section) {
    case AppSection::Review:
        return tr("Повторение");
    case AppSection::Grammar:
        return tr("Грамматика");
    case AppSection::LanguageSettings:
        return tr("Настройки");
    case AppSection::Onboarding:
        return tr("Как это работает");
    }
    return {};
}

QString AppSectionNavBar::objectNameFor(AppSection section)
{
    switch (section) {
    case AppSection::Review:
        return QStringLiteral("navReview");
    case AppSection::Grammar:
        return QStringLiteral("navGrammar");
    case AppSection::LanguageSettings:
        return QStringLiteral("navLanguageSettings");
    case AppSection::Onboarding:
        return QStringLiteral("navOnboarding");
    }
    return {};
}

void AppSectionNavBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void AppSectionNavBar::retranslate()
{
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it)
        it.value()->setText(label(it.key()));
}
