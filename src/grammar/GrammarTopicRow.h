#pragma once

#include <QIcon>
#include <QPushButton>

#include <functional>
#include <optional>

class QLabel;
class QToolButton;

// One row of the topic list: icon, title, accuracy ("—" before the first rating; none for the
// learner's own topic), an info button for the theory when there is one, and a chevron. A click
// anywhere else on the row opens the topic.
class GrammarTopicRow : public QPushButton
{
    Q_OBJECT
public:
    struct Content
    {
        QString title;
        QIcon icon;
        std::optional<int> accuracy;
        bool isPersonalized = false;
        std::function<void()> onShowTheory; // no info button when empty
    };

    explicit GrammarTopicRow(Content content, QWidget* parent = nullptr);

    static QString accuracyText(const std::optional<int>& accuracy);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Content m_content;
    QLabel* m_accuracy = nullptr;
    QToolButton* m_info = nullptr;
};
