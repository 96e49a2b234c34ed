// The card store at scale: 100,000 cards and 1,000,000 review logs with realistic dates.
// Prints the median (and worst) time of each query and the file size.
#include "StoreBenchData.h"
#include "store/CardDatabase.h"
#include "store/VocabCardStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace StoreBenchData;

namespace {

struct Figure
{
    double medianMs;
    double worstMs;
};

Figure measure(const std::function<void()>& work, int runs = 15)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return { times[times.size() / 2], times.back() };
}

void report(const char* name, Figure figure, double targetMs)
{
    std::printf(
        "%-34s median %8.2f ms  worst %8.2f ms  (target %g ms)\n", name, figure.medianMs, figure.worstMs, targetMs);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cards.sqlite"));
    const QDateTime now = QDateTime::currentDateTime();
    {
        QString error;
        auto database = CardDatabase::open(path, &error);
        if (!database) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        QElapsedTimer timer;
        timer.start();
        fill(*database, now);
        std::printf("filled %d cards and %d logs in %.1f s\n", kCards, kLogs, timer.elapsed() / 1000.0);
    }

    const Figure open = measure(
        [&] {
            QString error;
            auto database = CardDatabase::open(path, &error);
        },
        5);
    QString error;
    auto database = CardDatabase::open(path, &error);
    VocabCardStore store(*database);
    const QList<VocabCard> all = store.allCards();
    std::printf("cards due now: %lld of %lld\n", qlonglong(store.dueCards().size()), qlonglong(all.size()));

    report("open", open, 100);
    report("dueCards (all decks)", measure([&] { store.dueCards(); }), 20);
    report("dueCards (one deck)", measure([&] { store.dueCards(QStringLiteral("ES → RU")); }), 20);
    report("decks", measure([&] { store.decks(); }), 50);
    int next = 0;
    report("recordReview",
        measure([&] { store.recordReview(all[next++ * 7919 % all.size()].id, FSRSRating::Good, 5); }, 50), 5);
    std::printf("currentStreak = %d\n", store.currentStreak());
    report("currentStreak", measure([&] { store.currentStreak(); }), 50);
    report("dailyReviewCounts(365)", measure([&] { store.dailyReviewCounts(365); }), 50);
    report("upcomingLoad(30)", measure([&] { store.upcomingLoad(30); }), 50);
    report("cardStats", measure([&] { store.cardStats(); }), 50);
    report("todayStats", measure([&] { store.todayStats(); }), 50);
    report("successRate(30)", measure([&] { store.successRate(30); }), 50);
    report("averageIntervalDays", measure([&] { store.averageIntervalDays(); }), 50);
    // Everything the statistics view of the review window asks for at once.
    report("statistics window together", measure([&] {
        store.currentStreak();
        store.cardStats();
        store.dailyReviewCounts(365);
        store.todayStats();
        store.successRate(30);
        store.averageIntervalDays();
        store.upcomingLoad(30);
    }),
        100);
    database.reset();
    qint64 bytes = 0;
    for (const char* suffix : { "", "-wal", "-shm" })
        bytes += QFileInfo(path + QString::fromLatin1(suffix)).size();
    std::printf("file size: %.1f MiB\n", bytes / 1048576.0);
    return 0;
}
