#pragma once

#include "grammar/GrammarCourseModel.h"

#include <QHash>
#include <QIcon>
#include <QWidget>

class GrammarPracticeView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

// The grammar window's content: a header (back button on the practice; streak and study-language
// picker on the topic list), then either the topic list (search, the learner's own exercises,
// the course by level with progress) or the practice of one topic.
class GrammarView : public QWidget
{
    Q_OBJECT
public:
    GrammarView(GrammarCourseServices services, GrammarCourseModel::Options options = {}, QWidget* parent = nullptr);

    GrammarCourseModel& model() { return *m_model; }

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildTopicsPage();
    // Builds the rows of every topic of the course; a search then only shows and hides them.
    void rebuildTopics();
    void addLevel(GrammarLevel level, const QList<GrammarBankTopic>& topics);
    void applySearch();
    QWidget* missingCourseState();
    void showTheory(const GrammarBankTopic& topic);
    void refreshHeader();
    void refreshLanguagePicker();
    void languageChosen(int index);
    void retranslate();

    GrammarCourseServices m_services;
    GrammarCourseModel* m_model;
    QPushButton* m_back = nullptr;
    QLabel* m_streak = nullptr;
    QComboBox* m_languagePicker = nullptr;
    QStackedWidget* m_screens = nullptr;
    QLineEdit* m_search = nullptr;
    QWidget* m_topicList = nullptr;
    QVBoxLayout* m_topicLayout = nullptr;
    GrammarPracticeView* m_practice = nullptr;

    struct TopicRowEntry
    {
        QString title; // the source title, as cards store it
        QWidget* row;
        QWidget* divider; // above the row; null for the first
    };
    struct LevelSection
    {
        QWidget* header;
        QLabel* seal;
        QLabel* progress;
        QWidget* card;
        QList<TopicRowEntry> rows;
    };
    QWidget* m_personalRow = nullptr;
    QLabel* m_noResults = nullptr;
    QList<LevelSection> m_levels;
    QHash<QString, QIcon> m_icons;
    QIcon icon(const QString& name);
};
