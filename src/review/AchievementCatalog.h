#pragma once

#include "review/AchievementDefinition.h"

#include <QList>

// The fixed catalogue of achievements, in the order they are checked, announced and shown.
namespace AchievementCatalog {

const QList<AchievementDefinition>& all();
// The highest threshold of a counted category: counting further cannot earn anything.
int countCap();
int streakCap();
// A title or subtitle of the catalogue in the interface language.
QString translate(const QString& sourceText);

} // namespace AchievementCatalog
