#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

class QLabel;
class QVBoxLayout;

// One group of the settings window: a header (symbol and title in capitals) above a card of
// rows separated by indented dividers.
class SettingsSection : public QWidget
{
    Q_OBJECT
public:
    SettingsSection(
        std::function<QString()> title, const QString& symbol, const QColor& color, QWidget* parent = nullptr);

    // Adds a row below the others; the row comes with the divider above it (none above the first),
    // so hiding the returned item hides both.
    QWidget* addRow(QWidget* row);
    QWidget* card() const { return m_card; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    std::function<QString()> m_title;
    QLabel* m_header = nullptr;
    QWidget* m_card = nullptr;
    QVBoxLayout* m_rows = nullptr;
};
