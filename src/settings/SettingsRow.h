#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QVBoxLayout;

// A line of a settings card: a title over an optional secondary subtitle, then the control at
// the trailing edge. The texts are looked up again when the interface language changes.
class SettingsRow : public QWidget
{
    Q_OBJECT
public:
    using Text = std::function<QString()>;

    SettingsRow(Text title, Text subtitle, QWidget* control, QWidget* parent = nullptr);

    QWidget* control() const { return m_control; }
    QLabel* titleLabel() const { return m_title; }
    QLabel* subtitleLabel() const { return m_subtitle; }
    // A line of its own under the title (a live status).
    void addBelowTitle(QWidget* widget);
    // Looks the texts up again (the subtitle may depend on a value).
    void retranslate();

protected:
    void changeEvent(QEvent* event) override;

private:
    Text m_titleText;
    Text m_subtitleText;
    QLabel* m_title = nullptr;
    QLabel* m_subtitle = nullptr;
    QVBoxLayout* m_texts = nullptr;
    QWidget* m_control = nullptr;
};
