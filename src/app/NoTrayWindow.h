#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QLabel;

// The way in when the desktop shows no tray icons (stock GNOME without the AppIndicator
// extension): a small window with the tray menu's commands and a line that says what to install.
class NoTrayWindow : public QWidget
{
    Q_OBJECT
public:
    static inline const QString kExtensionPackage = QStringLiteral("gnome-shell-extension-appindicator");

    // One button per action, in order; separators are left out. The buttons follow the actions'
    // texts, so they change with the interface language as the menu does.
    explicit NoTrayWindow(const QList<QAction*>& actions, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* m_hint = nullptr;
};
