#include "review/AchievementService.h"

#include "diagnostics/QMLog.h"
#include "grammar/GrammarBankCatalog.h"
#include "preferences/TranslationPreferences.h"
#include "review/AchievementCatalog.h"
#include "store/GrammarCardStore.h"
#include "store/VocabCardStore.h"

#include <QMap>

AchievementService::AchievementService(VocabCardStore& vocabulary, GrammarCardStore& grammar,
    GrammarBankCatalog& courses, TranslationPreferences& translation, Announce announce)
    : m_vocabulary(vocabulary)
    , m_grammar(grammar)
    , m_courses(courses)
    , m_translation(translation)
    , m_announce(std::move(announce))
{
}

AchievementStats AchievementService::currentStats()
{
    const VocabCardStore::BoundedCounts counts = m_vocabulary.boundedCounts(AchievementCatalog::countCap());
    AchievementStats stats;
    stats.streak = m_vocabulary.currentStreak(AchievementCatalog::streakCap());
    stats.totalReviews = counts.reviews;
    stats.masteredCount = counts.mastered;
    stats.cardsAdded = counts.cards;
    stats.completedGrammarLevels = completedGrammarLevels();
    return stats;
}

QList<GrammarLevel> AchievementService::completedGrammarLevels()
{
    const QString language = m_translation.studyLanguageCode().value_or(QStringLiteral("en"));
    const QList<GrammarBankTopic>& topics = m_courses.topics(language);
    if (topics.isEmpty())
        return {};
    const QSet<QString> rated = m_grammar.ratedTopics();
    QMap<GrammarLevel, bool> complete;
    for (const GrammarBankTopic& topic : topics) {
        // A level is complete while none of its topics lacks a rating; a level without topics
        // never appears here.
        const bool hasRating = rated.contains(topic.title);
        complete[topic.level] = complete.value(topic.level, true) && hasRating;
    }
    QList<GrammarLevel> levels;
    for (GrammarLevel level : GrammarLevels::all()) {
        if (complete.value(level, false))
            levels << level;
    }
    return levels;
}

QList<AchievementDefinition> AchievementService::checkForNewlyUnlocked()
{
    // Without the earned ids every satisfied achievement would look new and be announced again.
    const std::optional<QSet<QString>> earned = m_vocabulary.unlockedAchievementIDs();
    if (!earned) {
        qCCritical(lcReview) << "Achievements not checked: the earned ones could not be read";
        return {};
    }
    const AchievementStats stats = currentStats();
    QList<AchievementDefinition> unlocked;
    for (const AchievementDefinition& definition : AchievementCatalog::all()) {
        if (earned->contains(definition.id) || !definition.isUnlocked(stats))
            continue;
        // Announced only when this call really stored it: a second check running meanwhile, or a
        // failed write, announces nothing (a failed one is tried again at the next check).
        if (!m_vocabulary.recordUnlockedAchievement(definition.id))
            continue;
        qCDebug(lcReview).noquote() << QStringLiteral("Achievement unlocked: %1").arg(definition.id);
        unlocked << definition;
        if (m_announce)
            m_announce(definition);
    }
    return unlocked;
}
