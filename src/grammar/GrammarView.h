#pragma once

#include "grammar/GrammarCourseModel.h"

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
    void rebuildTopics();
    void addLevel(GrammarLevel level, const QList<GrammarBankTopic>& topics);
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
};
