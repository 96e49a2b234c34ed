#include "review/ReviewSession.h"

#include "diagnostics/QMLog.h"
#include "store/VocabCardStore.h"

ReviewSession::ReviewSession(VocabCardStore& store, Options options, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_options(std::move(options))
{
    if (!m_options.clock)
        m_options.clock = [] { return QDateTime::currentDateTime(); };
}

QDateTime ReviewSession::now() const
{
    return m_options.clock();
}

void ReviewSession::reload()
{
    m_decks = m_store.decks();
    m_queue = m_store.dueCardIds(m_selectedDeck);
    m_currentIndex = 0;
    showCurrent();
}

void ReviewSession::setSelectedDeck(const std::optional<QString>& deck)
{
    m_selectedDeck = deck;
    reload();
}

void ReviewSession::showCurrent()
{
    m_phase = ReviewPhase::Front;
    m_ratingFailed = false;
    m_cardShownAt = now();
    m_current.reset();
    // A card the store cannot read ends the pass like an empty queue.
    if (m_currentIndex < m_queue.size())
        m_current = m_store.cardWithMedia(m_queue.at(m_currentIndex));
    Q_EMIT changed();
}

void ReviewSession::showAnswer()
{
    if (!m_current || m_phase == ReviewPhase::Back)
        return;
    m_phase = ReviewPhase::Back;
    Q_EMIT changed();
}

bool ReviewSession::rate(FSRSRating rating)
{
    if (!m_current || m_phase != ReviewPhase::Back)
        return false;
    const double seconds = m_cardShownAt.msecsTo(now()) / 1000.0;
    if (!m_store.recordReview(m_current->id, rating, seconds)) {
        // Moving on would lose the answer without a trace: the learner can rate again.
        qCCritical(lcReview).noquote() << QStringLiteral("Rating of card %1 was not saved").arg(m_current->id);
        m_ratingFailed = true;
        Q_EMIT changed();
        return false;
    }
    if (m_options.afterRating)
        m_options.afterRating();
    ++m_currentIndex;
    showCurrent();
    return true;
}
