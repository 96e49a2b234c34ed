#include "app/SectionWindow.h"

#include "app/AppSectionNavBar.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

SectionWindow::SectionWindow(AppSection section, std::function<QString()> title, QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::WindowMaximizeButtonHint)
    , m_section(section)
    , m_title(std::move(title))
    , m_navBar(new AppSectionNavBar(section, this))
    , m_heading(new QLabel(this))
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(12, 10, 12, 12);
    m_layout->addWidget(m_navBar);
    connect(m_navBar, &AppSectionNavBar::sectionRequested, this, &SectionWindow::sectionRequested);
    // The section's heading; its own view fills the space below.
    m_heading->setObjectName(QStringLiteral("sectionHeading"));
    QFont headingFont = m_heading->font();
    headingFont.setPointSizeF(15);
    headingFont.setWeight(QFont::DemiBold);
    m_heading->setFont(headingFont);
    m_layout->addWidget(m_heading);
    retranslate();
}

void SectionWindow::setContentView(QWidget* view)
{
    if (m_content) {
        m_layout->removeWidget(m_content);
        m_content->deleteLater();
    }
    m_content = view;
    if (!view) {
        m_layout->addStretch(1);
        return;
    }
    view->setParent(this);
    m_layout->addWidget(view, 1);
}

void SectionWindow::centerOnScreen()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void SectionWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void SectionWindow::retranslate()
{
    setWindowTitle(m_title());
    m_heading->setText(AppSectionNavBar::label(m_section));
}

void SectionWindow::closeEvent(QCloseEvent* event)
{
    Q_EMIT aboutToClose();
    QWidget::closeEvent(event);
}
