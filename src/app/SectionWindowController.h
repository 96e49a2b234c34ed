#pragma once

#include "app/AppSection.h"

#include <QObject>
#include <QPointer>

#include <memory>

class SectionWindow;

// Owns one section window. Closing the window keeps it (and the controller) alive.
class SectionWindowController : public QObject
{
    Q_OBJECT
public:
    explicit SectionWindowController(AppSection section, QObject* parent = nullptr);
    ~SectionWindowController() override;

    AppSection section() const { return m_section; }
    SectionWindow* window() const { return m_window.get(); }
    // Shows the window, raises it and gives it keyboard focus.
    void showWindow();
    void close();

Q_SIGNALS:
    void sectionRequested(AppSection section);

protected:
    // Builds the window with its size, title and content.
    void setWindow(std::unique_ptr<SectionWindow> window);

private:
    AppSection m_section;
    std::unique_ptr<SectionWindow> m_window;
};
