#include "grammar/GrammarCourseModel.h"

#include "diagnostics/QMLog.h"
#include "grammar/GeneratedGrammarExercise.h"
#include "grammar/GrammarBankCatalog.h"
#include "grammar/GrammarExerciseGenerationService.h"
#include "preferences/InterfaceLanguagePreferences.h"
#include "preferences/TranslationPreferences.h"
#include "store/VocabCardStore.h"

#include <QPointer>
#include <QRandomGenerator>

#include <algorithm>

namespace {

const QString kCloze = QStringLiteral("cloze");
const QString kMultipleChoice = QStringLiteral("multipleChoice");
const QString kWordOrder = QStringLiteral("wordOrder");

} // namespace

GrammarCourseModel::GrammarCourseModel(GrammarCourseServices services, Options options, QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_options(std::move(options))
{
    if (!m_options.clock)
        m_options.clock = [] { return QDateTime::currentDateTime(); };
    m_cardShownAt = now();
    connect(&m_services.translation, &TranslationPreferences::studyLanguageCodeChanged, this, [this] {
        indexCourse();
        Q_EMIT topicsChanged();
    });
    connect(&m_services.interfaceLanguage, &InterfaceLanguagePreferences::languageCodeChanged, this, [this] {
        Q_EMIT topicsChanged();
        Q_EMIT answerChanged();
    });
    reloadProgress();
    indexCourse();
}

QDateTime GrammarCourseModel::now() const
{
    return m_options.clock();
}

QString GrammarCourseModel::studyLanguageCode() const
{
    return m_services.translation.studyLanguageCode().value_or(QStringLiteral("en"));
}

InterfaceLanguage GrammarCourseModel::interfaceLanguage() const
{
    return InterfaceLanguages::fromRawValue(m_services.interfaceLanguage.effectiveLanguageCode())
        .value_or(InterfaceLanguage::Ru);
}

const QList<GrammarBankTopic>& GrammarCourseModel::topics()
{
    return m_services.catalog.topics(studyLanguageCode());
}

QList<GrammarBankTopic> GrammarCourseModel::filteredTopics()
{
    QList<GrammarBankTopic> matching;
    const InterfaceLanguage language = interfaceLanguage();
    for (const GrammarBankTopic& topic : topics()) {
        if (GrammarBankCatalog::topicMatchesSearch(topic, m_searchQuery, language))
            matching.append(topic);
    }
    return matching;
}

void GrammarCourseModel::setSearchQuery(const QString& query)
{
    if (query == m_searchQuery)
        return;
    m_searchQuery = query;
    Q_EMIT searchChanged();
}

std::optional<int> GrammarCourseModel::accuracy(const QString& topicTitle) const
{
    const auto found = m_accuracy.constFind(topicTitle);
    return found == m_accuracy.constEnd() ? std::nullopt : std::optional(found.value());
}

std::pair<int, int> GrammarCourseModel::levelProgress(const QList<GrammarBankTopic>& topics) const
{
    const auto attempted = std::count_if(topics.cbegin(), topics.cend(),
        [this](const GrammarBankTopic& topic) { return m_accuracy.contains(topic.title); });
    return { int(attempted), int(topics.size()) };
}

// One grouped query for every topic's accuracy, however long the course.
void GrammarCourseModel::reloadProgress()
{
    m_accuracy = m_services.cards.accuracyByTopic();
    m_streak = m_services.cards.currentStreak();
}

void GrammarCourseModel::indexCourse()
{
    const QString language = studyLanguageCode();
    if (language == m_indexedLanguage)
        return;
    m_indexedLanguage = language;
    m_exerciseTexts.clear();
    m_topicsById.clear();
    for (const GrammarBankTopic& topic : topics()) {
        m_topicsById.insert(topic.id, topic);
        for (const GrammarBankExercise& exercise : topic.exercises)
            m_exerciseTexts.insert(exercise.id, exercise.localized);
    }
}

std::optional<GrammarCard> GrammarCourseModel::currentCard() const
{
    if (m_currentIndex < 0 || m_currentIndex >= m_queue.size())
        return std::nullopt;
    return m_queue.at(m_currentIndex);
}

GrammarCourseModel::AnswerKind GrammarCourseModel::answerKind(const GrammarCard& card)
{
    if (card.exerciseType == kWordOrder)
        return AnswerKind::WordOrder;
    if (card.exerciseType == kCloze || card.choices.isEmpty())
        return AnswerKind::Text;
    return AnswerKind::Choices;
}

QString GrammarCourseModel::displayPrompt(const GrammarCard& card) const
{
    if (!card.bankExerciseID)
        return card.promptText;
    return m_exerciseTexts.value(*card.bankExerciseID)
        .text(interfaceLanguage(), QStringLiteral("prompt"), card.promptText);
}

QString GrammarCourseModel::displayExplanation(const GrammarCard& card) const
{
    if (!card.bankExerciseID)
        return card.explanation;
    return m_exerciseTexts.value(*card.bankExerciseID)
        .text(interfaceLanguage(), QStringLiteral("explanation"), card.explanation);
}

QString GrammarCourseModel::displayTopicTitle(const GrammarCard& card) const
{
    if (card.topic == kPersonalizedTopicTitle)
        return tr("Мои слова");
    const auto topic = m_topicsById.constFind(card.topicID);
    if (topic == m_topicsById.constEnd() || topic->title != card.topic)
        return card.topic;
    return topic->displayTitle(interfaceLanguage());
}

void GrammarCourseModel::openBankTopic(const GrammarBankTopic& topic)
{
    // All of the topic's exercises in one transaction; those that have a card keep it.
    if (!m_services.cards.addBankExercises(topic.exercises, topic.id, topic.title))
        qCCritical(lcGrammar).noquote() << QStringLiteral("Could not add the exercises of %1").arg(topic.id);
    m_personalized = false;
    startQueue(topic.title);
}

void GrammarCourseModel::openPersonalized()
{
    m_personalized = true;
    m_generationFailed = false;
    startQueue(kPersonalizedTopicTitle);
}

void GrammarCourseModel::startQueue(const QString& title)
{
    m_queue = m_services.cards.dueCards(title);
    m_currentIndex = 0;
    m_ratingFailed = false;
    resetAnswerState();
    m_cardShownAt = now();
    m_screen = Screen::Exercises;
    Q_EMIT practiceChanged();
}

void GrammarCourseModel::backToTopics()
{
    m_screen = Screen::Topics;
    reloadProgress();
    Q_EMIT practiceChanged();
    Q_EMIT topicsChanged();
}

void GrammarCourseModel::resetAnswerState()
{
    m_answerText.clear();
    m_selectedChoice.reset();
    m_hasAnswered = false;
    m_wasCorrect = false;
    m_tiles.clear();
    m_pool.clear();
    m_assembled.clear();
    const std::optional<GrammarCard> card = currentCard();
    if (!card || card->exerciseType != kWordOrder)
        return;
    m_tiles = card->correctAnswer.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < m_tiles.size(); ++i)
        m_pool.append(i);
    std::shuffle(m_pool.begin(), m_pool.end(), *QRandomGenerator::global());
}

void GrammarCourseModel::setAnswerText(const QString& text)
{
    if (m_hasAnswered || text == m_answerText)
        return;
    m_answerText = text;
    Q_EMIT answerChanged();
}

void GrammarCourseModel::choose(const QString& choice)
{
    if (m_hasAnswered)
        return;
    m_selectedChoice = choice;
    submitAnswer();
}

QStringList GrammarCourseModel::wordOrderPool() const
{
    QStringList words;
    for (int index : m_pool)
        words.append(m_tiles.at(index));
    return words;
}

QStringList GrammarCourseModel::wordOrderAssembled() const
{
    QStringList words;
    for (int index : m_assembled)
        words.append(m_tiles.at(index));
    return words;
}

void GrammarCourseModel::placeTile(int poolPosition)
{
    if (m_hasAnswered || poolPosition < 0 || poolPosition >= m_pool.size())
        return;
    m_assembled.append(m_pool.takeAt(poolPosition));
    Q_EMIT answerChanged();
}

void GrammarCourseModel::returnTile(int assembledPosition)
{
    if (m_hasAnswered || assembledPosition < 0 || assembledPosition >= m_assembled.size())
        return;
    m_pool.append(m_assembled.takeAt(assembledPosition));
    Q_EMIT answerChanged();
}

bool GrammarCourseModel::canSubmit() const
{
    const std::optional<GrammarCard> card = currentCard();
    if (!card || m_hasAnswered)
        return false;
    switch (answerKind(*card)) {
    case AnswerKind::Text:
        return !m_answerText.trimmed().isEmpty();
    case AnswerKind::WordOrder:
        return m_pool.isEmpty();
    case AnswerKind::Choices:
        return m_selectedChoice.has_value();
    }
    return false;
}

void GrammarCourseModel::submitAnswer()
{
    const std::optional<GrammarCard> card = currentCard();
    if (!card || m_hasAnswered)
        return;
    QString answer;
    switch (answerKind(*card)) {
    case AnswerKind::WordOrder:
        answer = wordOrderAssembled().join(QLatin1Char(' '));
        break;
    case AnswerKind::Text:
        answer = m_answerText;
        break;
    case AnswerKind::Choices:
        answer = m_selectedChoice.value_or(QString());
        break;
    }
    m_wasCorrect = isCorrect(*card, answer);
    m_hasAnswered = true;
    Q_EMIT answerChanged();
}

bool GrammarCourseModel::isCorrect(const GrammarCard& card, const QString& answer)
{
    return answer.trimmed().compare(card.correctAnswer, Qt::CaseInsensitive) == 0;
}

bool GrammarCourseModel::rate(FSRSRating rating)
{
    const std::optional<GrammarCard> card = currentCard();
    if (!card || !m_hasAnswered)
        return false;
    const double seconds = m_cardShownAt.msecsTo(now()) / 1000.0;
    if (!m_services.cards.recordReview(card->id, rating, std::max(0.0, seconds))) {
        // The card stays: a rating the store did not keep is not counted as done.
        m_ratingFailed = true;
        Q_EMIT answerChanged();
        return false;
    }
    m_ratingFailed = false;
    if (m_options.afterRating)
        m_options.afterRating();
    ++m_currentIndex;
    resetAnswerState();
    m_cardShownAt = now();
    Q_EMIT practiceChanged();
    return true;
}

bool GrammarCourseModel::hasPersonalizedCards() const
{
    return !m_services.cards.allCards(kPersonalizedTopicTitle).isEmpty();
}

bool GrammarCourseModel::hasStudiedWords() const
{
    return !m_services.vocabulary.studiedWords().isEmpty();
}

GrammarCardStore::PersonalizedExercise GrammarCourseModel::personalizedExercise(
    const GeneratedGrammarExercise& exercise)
{
    GrammarCardStore::PersonalizedExercise card;
    card.exerciseType = exercise.type;
    if (card.exerciseType != kCloze && card.exerciseType != kMultipleChoice && card.exerciseType != kWordOrder)
        card.exerciseType = exercise.choices.isEmpty() ? kCloze : kMultipleChoice;
    card.topic = kPersonalizedTopicTitle;
    card.promptText = exercise.prompt;
    card.choices = exercise.choices;
    card.correctAnswer = exercise.correctAnswer;
    card.explanation = exercise.explanation;
    if (card.exerciseType != kMultipleChoice)
        return card;
    GrammarCard probe;
    probe.correctAnswer = exercise.correctAnswer;
    const bool answerable = std::any_of(card.choices.cbegin(), card.choices.cend(),
        [&probe](const QString& choice) { return isCorrect(probe, choice); });
    if (answerable)
        return card;
    // No choice could ever be right: the learner types the answer instead.
    qCDebug(lcGrammar).noquote()
        << QStringLiteral("Generated exercise has no correct choice, kept as cloze: %1").arg(exercise.prompt);
    card.exerciseType = kCloze;
    card.choices.clear();
    return card;
}

QCoro::Task<void> GrammarCourseModel::generatePersonalized()
{
    if (m_generating)
        co_return;
    m_generating = true;
    m_generationFailed = false;
    Q_EMIT practiceChanged();

    // The store and the generator outlive the window: the exercises are kept even when the window
    // closes while the model writes them.
    QPointer<GrammarCourseModel> self(this);
    GrammarCardStore& cards = m_services.cards;
    const QString explanationLanguage = m_services.translation.targetLanguageCode().value_or(QStringLiteral("ru"));
    const QString studyLanguage = studyLanguageCode();
    auto generation = m_services.generator.generate(studyLanguage, explanationLanguage, kGeneratedCount);
    const QList<GeneratedGrammarExercise> exercises = co_await std::move(generation);
    QList<GrammarCardStore::PersonalizedExercise> made;
    for (const GeneratedGrammarExercise& exercise : exercises)
        made.append(personalizedExercise(exercise));
    const bool stored = made.isEmpty() || cards.addPersonalized(made);
    if (!stored)
        qCCritical(lcGrammar).noquote() << QStringLiteral("Could not store %1 generated exercises").arg(made.size());
    if (!self)
        co_return;
    m_generating = false;
    m_generationFailed = !stored;
    m_queue = cards.dueCards(kPersonalizedTopicTitle);
    m_currentIndex = 0;
    resetAnswerState();
    m_cardShownAt = now();
    Q_EMIT practiceChanged();
}
