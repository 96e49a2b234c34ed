#pragma once

// What an achievement rewards, in the catalogue's order of kinds.
enum class AchievementCategory { Cards, Reviews, Streak, Mastered, Grammar };
