#include "store/FSRSEngine.h"

#include <algorithm>
#include <cmath>

namespace {
double clampDifficulty(double d)
{
    return std::clamp(d, FSRSEngine::kMinimumDifficulty, FSRSEngine::kMaximumDifficulty);
}
} // namespace

const FSRSParameters& FSRSParameters::defaults()
{
    static const FSRSParameters params { { 0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001, 1.8722, 0.1666,
        0.796, 1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542 } };
    return params;
}

double FSRSEngine::initialDifficulty(int grade, const FSRSParameters& params)
{
    const auto& w = params.w;
    return clampDifficulty(w[4] - std::exp(w[5] * (grade - 1)) + 1);
}

FSRSMemoryState FSRSEngine::initialState(FSRSRating rating, const FSRSParameters& params)
{
    const int g = FSRSRatings::grade(rating);
    return { std::max(params.w[static_cast<size_t>(g - 1)], kMinimumStability), initialDifficulty(g, params) };
}

double FSRSEngine::nextDifficulty(double difficulty, FSRSRating rating, const FSRSParameters& params)
{
    const auto& w = params.w;
    const int g = FSRSRatings::grade(rating);
    const double delta = -w[6] * (g - 3);
    const double damped = difficulty + delta * (10 - difficulty) / 9;
    const double target = initialDifficulty(4, params);
    return clampDifficulty(damped + w[7] * (target - damped));
}

double FSRSEngine::shortTermStability(double stability, FSRSRating rating, const FSRSParameters& params)
{
    const auto& w = params.w;
    const int g = FSRSRatings::grade(rating);
    double increase = std::exp(w[17] * (g - 3 + w[18])) * std::pow(stability, -w[19]);
    // Only a lapse may shrink stability within a day; Hard keeps it too.
    if (rating != FSRSRating::Again)
        increase = std::max(increase, 1.0);
    return stability * increase;
}

double FSRSEngine::retrievability(double stability, double elapsedDays, const FSRSParameters& params)
{
    if (elapsedDays <= 0)
        return 1;
    if (stability <= 0)
        return 0;
    const double decay = params.w[20];
    const double factor = std::pow(kTargetRetention, -1 / decay) - 1;
    return std::pow(1 + factor * elapsedDays / stability, -decay);
}

FSRSMemoryState FSRSEngine::nextState(
    FSRSMemoryState current, FSRSRating rating, double elapsedDays, const FSRSParameters& params)
{
    const auto& w = params.w;
    const double s = current.stability;
    const double d = current.difficulty;
    const double newDifficulty = nextDifficulty(d, rating, params);
    double newStability = 0;
    if (elapsedDays <= 0) {
        newStability = shortTermStability(s, rating, params);
    } else {
        const double r = retrievability(s, elapsedDays, params);
        if (rating == FSRSRating::Again) {
            const double forgetting
                = w[11] * std::pow(d, -w[12]) * (std::pow(s + 1, w[13]) - 1) * std::exp(w[14] * (1 - r));
            newStability = std::min(forgetting, s / std::exp(w[17] * w[18]));
        } else {
            const double hard = rating == FSRSRating::Hard ? w[15] : 1;
            const double easy = rating == FSRSRating::Easy ? w[16] : 1;
            newStability = s
                * (1 + std::exp(w[8]) * (11 - d) * std::pow(s, -w[9]) * (std::exp(w[10] * (1 - r)) - 1) * hard * easy);
        }
    }
    return { std::max(newStability, kMinimumStability), newDifficulty };
}

int FSRSEngine::intervalDays(double stability)
{
    if (!(stability > 1))
        return 1;
    return static_cast<int>(std::lround(std::min(stability, static_cast<double>(kMaximumIntervalDays))));
}

int FSRSEngine::elapsedDays(const QDateTime& from, const QDateTime& to)
{
    if (!from.isValid() || !to.isValid() || to <= from)
        return 0;
    const QDateTime localFrom = from.toLocalTime();
    const QDateTime localTo = to.toLocalTime();
    qint64 days = localFrom.date().daysTo(localTo.date());
    // A day counts once its time of day has come round again.
    if (days > 0 && localTo.time() < localFrom.time())
        --days;
    return static_cast<int>(std::max<qint64>(days, 0));
}

QDateTime FSRSEngine::dueDate(const QDateTime& now, int days)
{
    const QDateTime due = now.toLocalTime().addDays(days);
    return due.isValid() ? due : now;
}
