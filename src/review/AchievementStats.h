#pragma once

#include "grammar/GrammarLevel.h"

#include <QList>

// The figures the catalogue is judged against. Counts may be capped where the catalogue's
// thresholds end: a larger figure earns nothing more.
struct AchievementStats
{
    int streak = 0;
    int totalReviews = 0;
    int masteredCount = 0;
    int cardsAdded = 0;
    QList<GrammarLevel> completedGrammarLevels;
};
