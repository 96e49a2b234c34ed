#pragma once

#include "review/ReviewSession.h"

#include <QWidget>

#include <functional>
#include <memory>

class AudioPlayback;
class InterfaceLanguagePreferences;
class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QShortcut;
class QStackedWidget;
class ReviewCardView;
class StatsView;

enum class ReviewScreen { Review, Stats, Achievements };

// The review window's content: the screen switch (review, statistics, achievements), the deck
// picker and the progress, then the current screen. On the review screen Space shows the answer
// and 1–4 rate it; no button takes keyboard focus, so a Space never lands on a rating button.
class ReviewView : public QWidget
{
    Q_OBJECT
public:
    struct Options
    {
        std::function<QDateTime()> clock; // the local clock when empty
        std::function<void()> afterRating; // the achievement check
        // Builds the achievements screen each time it is shown; an empty screen without it.
        std::function<QWidget*()> achievementsScreen;
    };

    ReviewView(
        VocabCardStore& store, InterfaceLanguagePreferences& language, Options options = {}, QWidget* parent = nullptr);
    ~ReviewView() override;

    ReviewSession& session() { return *m_session; }
    ReviewScreen screen() const { return m_screen; }
    void setScreen(ReviewScreen screen);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildReviewScreen();
    QPushButton* addRatingButton(QWidget* row, FSRSRating rating, const char* objectName, const QColor& color);
    void refresh();
    void rebuildStats();
    void rebuildAchievements();
    void refreshDecks();
    void retranslate();
    void deckChosen(int index);
    void playAudio();
    QDateTime now() const;

    VocabCardStore& m_store;
    InterfaceLanguagePreferences& m_language;
    Options m_options;
    std::unique_ptr<ReviewSession> m_session;
    ReviewScreen m_screen = ReviewScreen::Review;
    std::unique_ptr<AudioPlayback> m_audioPlayer;

    QButtonGroup* m_segments = nullptr;
    QComboBox* m_deckPicker = nullptr;
    QLabel* m_progress = nullptr;
    QStackedWidget* m_screens = nullptr;
    QStackedWidget* m_reviewPages = nullptr;
    ReviewCardView* m_card = nullptr;
    QWidget* m_frontActions = nullptr;
    QWidget* m_backActions = nullptr;
    QPushButton* m_showAnswer = nullptr;
    QList<QPushButton*> m_ratingButtons;
    QLabel* m_error = nullptr;
    QLabel* m_emptyTitle = nullptr;
    QLabel* m_emptyText = nullptr;
    QScrollArea* m_statsHolder = nullptr;
    StatsView* m_stats = nullptr;
    QWidget* m_achievementsHolder = nullptr;
    QShortcut* m_spaceShortcut = nullptr;
    QList<QShortcut*> m_ratingShortcuts;
};
