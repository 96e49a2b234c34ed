#pragma once

#include "app/AppSection.h"

#include <QWidget>

#include <functional>

class AppSectionNavBar;
class QLabel;
class QVBoxLayout;

// A section window: titled, closable and resizable, no minimise button, kept (not deleted) when
// closed. Its content is the section bar followed by the section's own view.
class SectionWindow : public QWidget
{
    Q_OBJECT
public:
    SectionWindow(AppSection section, std::function<QString()> title, QWidget* parent = nullptr);

    AppSection section() const { return m_section; }
    AppSectionNavBar* navBar() const { return m_navBar; }
    // Takes ownership of the section's view, placed below the section bar.
    void setContentView(QWidget* view);
    QWidget* contentView() const { return m_content; }

    void centerOnScreen();

Q_SIGNALS:
    void aboutToClose();
    // A button of the section bar asks for another section.
    void sectionRequested(AppSection section);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void retranslate();

    AppSection m_section;
    std::function<QString()> m_title;
    AppSectionNavBar* m_navBar;
    QLabel* m_heading;
    QVBoxLayout* m_layout;
    QWidget* m_content = nullptr;
};
