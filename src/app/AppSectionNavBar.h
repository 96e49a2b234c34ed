#pragma once

#include "app/AppSection.h"

#include <QHash>
#include <QWidget>

class QPushButton;

// The bar at the top of every section window: a button for each of the three other sections.
class AppSectionNavBar : public QWidget
{
    Q_OBJECT
public:
    explicit AppSectionNavBar(AppSection current, QWidget* parent = nullptr);

    AppSection current() const { return m_current; }
    static QString label(AppSection section);
    static QString objectNameFor(AppSection section);

Q_SIGNALS:
    void sectionRequested(AppSection section);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    AppSection m_current;
    QHash<AppSection, QPushButton*> m_buttons;
};
