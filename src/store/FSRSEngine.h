#pragma once

#include "store/FSRSRating.h"

#include <QDateTime>

#include <array>

struct FSRSMemoryState
{
    double stability = 0; // days
    double difficulty = 0; // 1 … 10
};

// The FSRS-6 weight vector w0 … w20.
struct FSRSParameters
{
    std::array<double, 21> w;

    static const FSRSParameters& defaults();
};

// The memory model after each rating, as pure functions: FSRS-6 with the default weights, a
// target retention of 90 % and no interval fuzz. Both card stores schedule through it.
class FSRSEngine
{
public:
    static constexpr double kMinimumStability = 0.01;
    static constexpr double kMinimumDifficulty = 1;
    static constexpr double kMaximumDifficulty = 10;
    static constexpr double kTargetRetention = 0.9;
    static constexpr int kMaximumIntervalDays = 36500;

    static FSRSMemoryState initialState(FSRSRating rating, const FSRSParameters& params = FSRSParameters::defaults());
    static FSRSMemoryState nextState(FSRSMemoryState current, FSRSRating rating, double elapsedDays,
        const FSRSParameters& params = FSRSParameters::defaults());
    static double nextDifficulty(
        double difficulty, FSRSRating rating, const FSRSParameters& params = FSRSParameters::defaults());
    static double shortTermStability(
        double stability, FSRSRating rating, const FSRSParameters& params = FSRSParameters::defaults());
    static double retrievability(
        double stability, double elapsedDays, const FSRSParameters& params = FSRSParameters::defaults());

    // Days until the next review: 1 up to a stability of 1, then the stability rounded (halves
    // away from zero), at most 36500.
    static int intervalDays(double stability);

    // Whole days from `from` to `to` in the local calendar: the date difference, less one when
    // the time of day of `from` has not been reached yet (23:55 → 00:05 is 0 days; 10:00 → the next
    // day at 10:00 is 1 day even across a daylight-saving change). Never negative.
    static int elapsedDays(const QDateTime& from, const QDateTime& to);

    // `now` plus whole calendar days in local time (the same wall-clock time on the due day).
    static QDateTime dueDate(const QDateTime& now, int days);

    // A rating given at `now` applied to any card with the scheduling fields (stability,
    // difficulty, dueDate, lastReviewDate, reps, lapses): a new card starts from the initial
    // state, a reviewed one moves on by the whole days elapsed since its last review.
    template <typename Card> static void applyRating(Card& card, FSRSRating rating, const QDateTime& now)
    {
        FSRSMemoryState state;
        if (card.reps == 0) {
            state = initialState(rating);
        } else {
            const int elapsed = card.lastReviewDate ? elapsedDays(*card.lastReviewDate, now) : 0;
            state = nextState({ card.stability, card.difficulty }, rating, elapsed);
        }
        card.stability = state.stability;
        card.difficulty = state.difficulty;
        card.dueDate = dueDate(now, intervalDays(state.stability)).toUTC();
        card.lastReviewDate = now.toUTC();
        card.reps += 1;
        if (rating == FSRSRating::Again)
            card.lapses += 1;
    }

private:
    static double initialDifficulty(int grade, const FSRSParameters& params);
};
