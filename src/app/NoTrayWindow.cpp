#include "app/NoTrayWindow.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

NoTrayWindow::NoTrayWindow(const QList<QAction*>& actions, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("noTrayWindow"));
    setWindowTitle(QStringLiteral("Quillmoor"));
    auto* column = new QVBoxLayout(this);
    column->setSpacing(4);
    for (QAction* action : actions) {
        if (action->isSeparator()) {
            column->addSpacing(8);
            continue;
        }
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("noTray_") + action->objectName());
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        column->addWidget(button);
    }
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("noTrayHint"));
    m_hint->setWordWrap(true);
    m_hint->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_hint->setForegroundRole(QPalette::PlaceholderText);
    column->addSpacing(8);
    column->addWidget(m_hint);
    setMinimumWidth(300);
    retranslate();
}

void NoTrayWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void NoTrayWindow::retranslate()
{
    m_hint->setText(tr("Рабочий стол не показывает значки в трее. В GNOME их включает расширение AppIndicator "
                       "(пакет %1).")
                        .arg(kExtensionPackage));
}
