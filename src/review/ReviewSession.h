#pragma once

#include "store/FSRSRating.h"
#include "store/VocabCard.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class VocabCardStore;

enum class ReviewPhase { Front, Back };

// One pass over the due cards: the queue is loaded once and walked front to back; each card is
// shown front first, then its answer, then rated. Cards that fall due meanwhile wait for the next
// reload.
class ReviewSession : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        // The moment a card is shown and rated; the local clock when empty.
        std::function<QDateTime()> clock;
        // Runs after every rating the store kept (the achievement check).
        std::function<void()> afterRating;
    };

    explicit ReviewSession(VocabCardStore& store, Options options = {}, QObject* parent = nullptr);

    // Decks and the due cards of the chosen deck, from the first card on.
    void reload();
    std::optional<QString> selectedDeck() const { return m_selectedDeck; }
    // Restarts the pass on the deck's due cards; nullopt is every deck.
    void setSelectedDeck(const std::optional<QString>& deck);

    QStringList decks() const { return m_decks; }
    // Cards in this pass.
    int dueCount() const { return int(m_queue.size()); }
    int currentIndex() const { return m_currentIndex; }
    ReviewPhase phase() const { return m_phase; }
    QDateTime cardShownAt() const { return m_cardShownAt; }
    // The card being reviewed with its recording and picture; nullopt once the pass is done.
    const std::optional<VocabCard>& currentCard() const { return m_current; }
    // The last rating could not be written: the card stays current.
    bool ratingFailed() const { return m_ratingFailed; }

    void showAnswer();
    // Rates the current card on its answer side. False (and nothing changes) when there is no
    // answer shown or the store could not keep the rating.
    bool rate(FSRSRating rating);

Q_SIGNALS:
    void changed();

private:
    QDateTime now() const;
    void showCurrent();

    VocabCardStore& m_store;
    Options m_options;
    std::optional<QString> m_selectedDeck;
    QStringList m_decks;
    // The due cards by id: each card is read when its turn comes, with its media.
    QList<qint64> m_queue;
    int m_currentIndex = 0;
    ReviewPhase m_phase = ReviewPhase::Front;
    QDateTime m_cardShownAt;
    std::optional<VocabCard> m_current;
    bool m_ratingFailed = false;
};
