#include "app/SectionWindowController.h"

#include "app/SectionWindow.h"

SectionWindowController::SectionWindowController(AppSection section, QObject* parent)
    : QObject(parent)
    , m_section(section)
{
}

SectionWindowController::~SectionWindowController() = default;

void SectionWindowController::setWindow(std::unique_ptr<SectionWindow> window)
{
    m_window = std::move(window);
    connect(m_window.get(), &SectionWindow::sectionRequested, this, &SectionWindowController::sectionRequested);
    m_window->centerOnScreen();
}

void SectionWindowController::showWindow()
{
    if (!m_window)
        return;
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void SectionWindowController::close()
{
    if (m_window)
        m_window->close();
}
