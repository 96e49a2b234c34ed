// The achievement check and the reminder check over a large store (100,000 cards, 1,000,000 review
// logs over three years, a review every day, and a grammar deck). The achievement check runs after
// every rating, the reminder check every ten minutes.
#include "StoreBenchData.h"
#include "grammar/GrammarBankCatalog.h"
#include "platform/NotificationCenter.h"
#include "preferences/Preferences.h"
#include "review/AchievementService.h"
#include "review/NotificationService.h"
#include "store/GrammarCardStore.h"
#include "store/VocabCardStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Takes every notification and shows none.
class SilentCenter : public NotificationCenter
{
public:
    int posted = 0;
    QCoro::Task<Authorization> requestAuthorization() override { co_return Authorization { true, QString() }; }
    QCoro::Task<Result> post(UserNotification) override
    {
        ++posted;
        co_return Result { Delivery::Shown, QString() };
    }
};

template <typename F> std::vector<double> measure(int runs, F&& work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return times;
}

void report(const char* name, std::vector<double> times, double targetMs)
{
    std::sort(times.begin(), times.end());
    std::printf("%-46s median %7.3f ms  worst %7.3f ms  (%zu runs, target %g ms)\n", name, times[times.size() / 2],
        times.back(), times.size(), targetMs);
}

// Every topic of the English course with a few rated cards, so the grammar levels are complete.
void fillGrammar(CardDatabase& database, GrammarBankCatalog& catalog, const QDateTime& now)
{
    QSqlDatabase& db = database.db();
    db.transaction();
    QSqlQuery card(db);
    card.prepare(QStringLiteral("INSERT INTO grammar_card (topic, reps, due_date, created_at) VALUES (?, ?, ?, ?)"));
    for (const GrammarBankTopic& topic : catalog.topics(QStringLiteral("en"))) {
        for (int i = 0; i < 100; ++i) {
            card.addBindValue(topic.title);
            card.addBindValue(i % 3);
            card.addBindValue(now.toMSecsSinceEpoch());
            card.addBindValue(now.toMSecsSinceEpoch());
            card.exec();
        }
    }
    db.commit();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QString error;
    auto database = CardDatabase::open(dir.filePath(QStringLiteral("cards.sqlite")), &error);
    if (!database) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const QDateTime now = QDateTime::currentDateTime();
    StoreBenchData::fill(*database, now);
    GrammarBankCatalog catalog;
    fillGrammar(*database, catalog, now);
    VocabCardStore vocabulary(*database);
    GrammarCardStore grammar(*database);
    Preferences preferences(dir.filePath(QStringLiteral("defaults.json")));
    SilentCenter center;
    NotificationService::Options options;
    options.clock = [] { return QDateTime(QDate::currentDate(), QTime(20, 0)); };
    NotificationService notifications(center, vocabulary, preferences.notifications(), nullptr, options);
    AchievementService achievements(vocabulary, grammar, catalog, preferences.translation(),
        [&notifications](
            const AchievementDefinition& definition) { notifications.notifyAchievementUnlocked(definition); });

    QElapsedTimer first;
    first.start();
    const int unlocked = int(achievements.checkForNewlyUnlocked().size());
    std::printf("first check: %d achievements earned, %d announced, %.3f ms\n", unlocked, center.posted,
        first.nsecsElapsed() / 1e6);
    report("checkForNewlyUnlocked, nothing new", measure(200, [&] { achievements.checkForNewlyUnlocked(); }), 10);
    report("  of it: the figures", measure(200, [&] { achievements.currentStats(); }), 10);
    report("  of it: the grammar levels", measure(200, [&] { achievements.completedGrammarLevels(); }), 10);

    report("reminder check, reminded already today", measure(200, [&] { notifications.checkReviewReminder(); }), 5);
    std::printf("cards due now: %d\n", vocabulary.dueCount());
    report("  the due count", measure(200, [&] { vocabulary.dueCount(); }), 5);
    // The day's one full check: count, write defaults.json, post.
    std::vector<double> reminding;
    for (int run = 0; run < 20; ++run) {
        preferences.store().remove(NotificationService::kLastReminderKey);
        NotificationService fresh(center, vocabulary, preferences.notifications(), nullptr, options);
        QElapsedTimer timer;
        timer.start();
        fresh.checkReviewReminder();
        reminding.push_back(timer.nsecsElapsed() / 1e6);
    }
    report("reminder check that reminds (writes defaults)", reminding, 5);
    return 0;
}
