#pragma once

#include "review/AchievementDefinition.h"

#include <QList>

#include <functional>

class GrammarBankCatalog;
class GrammarCardStore;
class TranslationPreferences;
class VocabCardStore;

// Judges the catalogue against the learner's figures after every rating and at start-up, records
// what has newly been earned and announces each once.
class AchievementService
{
public:
    using Announce = std::function<void(const AchievementDefinition&)>;

    AchievementService(VocabCardStore& vocabulary, GrammarCardStore& grammar, GrammarBankCatalog& courses,
        TranslationPreferences& translation, Announce announce);

    // The achievements earned by this call, in catalogue order.
    QList<AchievementDefinition> checkForNewlyUnlocked();

    // The figures, each counted only as far as the catalogue needs.
    AchievementStats currentStats();
    // Levels of the study language's course whose every topic has a rated grammar card.
    QList<GrammarLevel> completedGrammarLevels();

private:
    VocabCardStore& m_vocabulary;
    GrammarCardStore& m_grammar;
    GrammarBankCatalog& m_courses;
    TranslationPreferences& m_translation;
    Announce m_announce;
};
