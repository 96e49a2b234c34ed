#include "review/AchievementDefinition.h"

#include "review/AchievementCatalog.h"

bool AchievementDefinition::isUnlocked(const AchievementStats& stats) const
{
    switch (category) {
    case AchievementCategory::Cards:
        return stats.cardsAdded >= threshold;
    case AchievementCategory::Reviews:
        return stats.totalReviews >= threshold;
    case AchievementCategory::Streak:
        return stats.streak >= threshold;
    case AchievementCategory::Mastered:
        return stats.masteredCount >= threshold;
    case AchievementCategory::Grammar:
        return stats.completedGrammarLevels.contains(level);
    }
    return false;
}

QString AchievementDefinition::localizedTitle() const
{
    return AchievementCatalog::translate(title);
}

QString AchievementDefinition::localizedSubtitle() const
{
    return AchievementCatalog::translate(subtitle);
}
