#pragma once

#include "grammar/GrammarBankTopic.h"
#include "store/FSRSRating.h"
#include "store/GrammarCard.h"
#include "store/GrammarCardStore.h"

#include <QCoroTask>
#include <QDateTime>
#include <QHash>
#include <QObject>

#include <functional>
#include <optional>

class GrammarBankCatalog;
class GrammarExerciseGenerationService;
class InterfaceLanguagePreferences;
class TranslationPreferences;
class VocabCardStore;
struct GeneratedGrammarExercise;

// What the grammar window works with. The objects outlive every window.
struct GrammarCourseServices
{
    GrammarBankCatalog& catalog;
    GrammarCardStore& cards;
    VocabCardStore& vocabulary;
    GrammarExerciseGenerationService& generator;
    TranslationPreferences& translation;
    InterfaceLanguagePreferences& interfaceLanguage;
};

// The grammar window's state: the course of the study language with search, level progress and
// the review streak, and the practice of one topic's due cards (answering, checking, rating), plus
// the learner's own exercises generated from their studied words. No widgets.
class GrammarCourseModel : public QObject
{
    Q_OBJECT
public:
    enum class Screen { Topics, Exercises };
    // How a card is answered. A multiple-choice card without choices is answered in a text field:
    // it would have no control at all otherwise.
    enum class AnswerKind { Text, Choices, WordOrder };

    struct Options
    {
        std::function<QDateTime()> clock; // the local clock when empty
        std::function<void()> afterRating; // the achievement check
    };

    // The topic generated cards are stored and listed under, whatever the interface language.
    static inline const QString kPersonalizedTopicTitle = QStringLiteral("Мои слова");
    static constexpr int kGeneratedCount = 6;

    GrammarCourseModel(GrammarCourseServices services, Options options, QObject* parent = nullptr);

    // The course.
    QString studyLanguageCode() const; // "en" when none is chosen
    InterfaceLanguage interfaceLanguage() const;
    const QList<GrammarBankTopic>& topics();
    QList<GrammarBankTopic> filteredTopics();
    QString searchQuery() const { return m_searchQuery; }
    void setSearchQuery(const QString& query);
    std::optional<int> accuracy(const QString& topicTitle) const;
    // (topics with at least one rated card, topics)
    std::pair<int, int> levelProgress(const QList<GrammarBankTopic>& topics) const;
    int streak() const { return m_streak; }

    // The practice.
    Screen screen() const { return m_screen; }
    bool currentTopicIsPersonalized() const { return m_personalized; }
    const QList<GrammarCard>& queue() const { return m_queue; }
    int currentIndex() const { return m_currentIndex; }
    std::optional<GrammarCard> currentCard() const;
    static AnswerKind answerKind(const GrammarCard& card);
    // The card's texts in the interface language where the course has them.
    QString displayPrompt(const GrammarCard& card) const;
    QString displayExplanation(const GrammarCard& card) const;
    QString displayTopicTitle(const GrammarCard& card) const;

    void openBankTopic(const GrammarBankTopic& topic);
    void openPersonalized();
    void backToTopics();

    QString answerText() const { return m_answerText; }
    void setAnswerText(const QString& text);
    std::optional<QString> selectedChoice() const { return m_selectedChoice; }
    void choose(const QString& choice);
    QStringList wordOrderPool() const;
    QStringList wordOrderAssembled() const;
    // Tiles move by their place, so that a sentence with the same word twice works.
    void placeTile(int poolPosition);
    void returnTile(int assembledPosition);
    bool canSubmit() const;
    void submitAnswer();
    bool hasAnswered() const { return m_hasAnswered; }
    bool wasCorrect() const { return m_wasCorrect; }
    // Trimmed answer against the correct answer, ignoring letter case only.
    static bool isCorrect(const GrammarCard& card, const QString& answer);

    // False (and the card stays) without an answer or when the store could not keep the rating.
    bool rate(FSRSRating rating);
    bool ratingFailed() const { return m_ratingFailed; }

    // The learner's own exercises.
    bool hasPersonalizedCards() const;
    bool hasStudiedWords() const;
    bool isGenerating() const { return m_generating; }
    // The generated exercises could not be stored.
    bool generationFailed() const { return m_generationFailed; }
    QCoro::Task<void> generatePersonalized();
    // How a generated exercise becomes a card.
    static GrammarCardStore::PersonalizedExercise personalizedExercise(const GeneratedGrammarExercise& exercise);

Q_SIGNALS:
    // The topic list changed: language, accuracy or streak.
    void topicsChanged();
    // Another search query: the same topics, filtered anew.
    void searchChanged();
    // Another screen, another card or another practice state.
    void practiceChanged();
    // The answer to the current card changed (typing, tiles, checking).
    void answerChanged();

private:
    QDateTime now() const;
    void startQueue(const QString& title);
    void resetAnswerState();
    void reloadProgress();
    void indexCourse();

    GrammarCourseServices m_services;
    Options m_options;
    QString m_searchQuery;
    QHash<QString, int> m_accuracy;
    int m_streak = 0;
    // The course's exercises and topics by id, for their texts in the interface language.
    QString m_indexedLanguage;
    QHash<QString, GrammarLocalizedTexts> m_exerciseTexts;
    QHash<QString, GrammarBankTopic> m_topicsById;

    Screen m_screen = Screen::Topics;
    bool m_personalized = false;
    QList<GrammarCard> m_queue;
    int m_currentIndex = 0;
    QString m_answerText;
    std::optional<QString> m_selectedChoice;
    QStringList m_tiles;
    QList<int> m_pool;
    QList<int> m_assembled;
    bool m_hasAnswered = false;
    bool m_wasCorrect = false;
    QDateTime m_cardShownAt;
    bool m_ratingFailed = false;
    bool m_generating = false;
    bool m_generationFailed = false;
};
