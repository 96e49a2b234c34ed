#pragma once

#include "review/AchievementCategory.h"
#include "review/AchievementStats.h"

#include <QString>

// One entry of the catalogue. `id` is stored with the earned achievement and never changes;
// `title` and `subtitle` are source texts, shown through localizedTitle() / localizedSubtitle().
struct AchievementDefinition
{
    QString id;
    QString title;
    QString subtitle;
    QString systemImage;
    AchievementCategory category = AchievementCategory::Cards;
    // The figure of the category to reach; unused by grammar achievements.
    int threshold = 0;
    // The level to complete; grammar achievements only.
    GrammarLevel level = GrammarLevel::A1;

    bool isUnlocked(const AchievementStats& stats) const;
    QString localizedTitle() const;
    QString localizedSubtitle() const;
};
