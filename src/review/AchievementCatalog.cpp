#include "review/AchievementCatalog.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
constexpr const char* kContext = "AchievementCatalog";

AchievementDefinition counted(const char* id, const char* title, const char* subtitle, const char* symbol,
    AchievementCategory category, int threshold)
{
    return { QString::fromLatin1(id), QString::fromUtf8(title), QString::fromUtf8(subtitle),
        QString::fromLatin1(symbol), category, threshold, GrammarLevel::A1 };
}

AchievementDefinition grammar(
    const char* id, const char* title, const char* subtitle, const char* symbol, GrammarLevel level)
{
    return { QString::fromLatin1(id), QString::fromUtf8(title), QString::fromUtf8(subtitle),
        QString::fromLatin1(symbol), AchievementCategory::Grammar, 0, level };
}

QList<AchievementDefinition> build()
{
    using C = AchievementCategory;
    return {
        counted("cards_1", QT_TRANSLATE_NOOP("AchievementCatalog", "Начало пути"),
            QT_TRANSLATE_NOOP("AchievementCatalog", "Первая карточка"), "sparkles", C::Cards, 1),
        counted("reviews_10", QT_TRANSLATE_NOOP("AchievementCatalog", "Первые шаги"),
            QT_TRANSLATE_NOOP("AchievementCatalog", "10 повторений"), "checkmark.circle", C::Reviews, 10),
        counted("streak_3", QT_TRANSLATE_NOOP("AchievementCatalog", "Разогрелись"),
            QT_TRANSLATE_NOOP("AchievementCatalog", "3 дня подряд"), "flame", C::Streak, 3),
        counted("streak_7", QT_TRANSLATE_NOOP("AchievementCatalog", "Неделя силы"),
            QT_TRANSLATE_NOOP("AchievementCatalog", "7 дней подряд"), "flame.fill", C::Streak, 7),
        counted("mastered_10", QT_TRANSLATE_NOOP("AchievementCatalog", "Первый багаж"),
            QT_TRANSLATE_NOOP("AchievementCatalog", "10 освоенных слов"), "star.fill", C::Mastered, 10),
        counted("reviews_100", QT_TRANSLATE_NOOP("AchievementCatalog", "Набираем обороты"),
            QT_TRANSLATE_NOOP("AchievementCatalog", "100 повторений"), "bolt.fill", C::Reviews, 100),
        grammar("grammar_a1", QT_TRANSLATE_NOOP("AchievementCatalog", "Грамматика: A1"),
            QT_TRANSLATE_NOOP("AchievementCatalog", "Все темы уровня A1 пройдены"), "1.circle.fill", GrammarLevel::A1),
        counted("cards_50", QT_TRANSLATE_NOOP("AchievementCatalog", "Коллекционер"),
            QT_TRANSLATE_NOOP("AchievementCatalog", "50 карточек добавлено"), "square.stack.3d.up.fill", C::Cards, 50),
        counted("streak_30", QT_TRANSLATE_NOOP("AchievementCatalog", "Месяц привычки"),
            QT_TRANSLATE_NOOP("AchievementCatalog", "30 дней подряд"), "calendar", C::Streak, 30),
        grammar("grammar_a2", QT_TRANSLATE_NOOP("AchievementCatalog", "Грамматика: A2"),
            QT_TRANSLATE_NOOP("AchievementCatalog", "Все темы уровня A2 пройдены"), "2.circle.fill", GrammarLevel::A2),
        counted("mastered_100", QT_TRANSLATE_NOOP("AchievementCatalog", "Словарный запас"),
            QT_TRANSLATE_NOOP("AchievementCatalog", "100 освоенных слов"), "star.circle.fill", C::Mastered, 100),
        counted("reviews_1000", QT_TRANSLATE_NOOP("AchievementCatalog", "Марафонец"),
            QT_TRANSLATE_NOOP("AchievementCatalog", "1000 повторений"), "figure.run", C::Reviews, 1000),
        grammar("grammar_b1", QT_TRANSLATE_NOOP("AchievementCatalog", "Грамматика: B1"),
            QT_TRANSLATE_NOOP("AchievementCatalog", "Все темы уровня B1 пройдены"), "3.circle.fill", GrammarLevel::B1),
        counted("streak_100", QT_TRANSLATE_NOOP("AchievementCatalog", "Железная воля"),
            QT_TRANSLATE_NOOP("AchievementCatalog", "100 дней подряд"), "trophy.fill", C::Streak, 100),
    };
}

int highestThreshold(bool streak)
{
    int highest = 0;
    for (const AchievementDefinition& definition : AchievementCatalog::all()) {
        if (definition.category == AchievementCategory::Grammar
            || (definition.category == AchievementCategory::Streak) != streak)
            continue;
        highest = std::max(highest, definition.threshold);
    }
    return highest;
}
} // namespace

namespace AchievementCatalog {

const QList<AchievementDefinition>& all()
{
    static const QList<AchievementDefinition> catalogue = build();
    return catalogue;
}

int countCap()
{
    static const int cap = highestThreshold(false);
    return cap;
}

int streakCap()
{
    static const int cap = highestThreshold(true);
    return cap;
}

QString translate(const QString& sourceText)
{
    return QCoreApplication::translate(kContext, sourceText.toUtf8().constData());
}

} // namespace AchievementCatalog
