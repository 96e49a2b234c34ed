#include "store/FSRSEngine.h"
#include "support/TempCardStore.h"

#include <QTest>

#include <cmath>

using Steps = QList<QPair<int, double>>; // grade, elapsed days (the first step is the first rating)
Q_DECLARE_METATYPE(Steps)

class TestFSRSEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every case runs in Berlin unless it changes the zone itself.
    void initTestCase() { setTimeZone("Europe/Berlin"); }
    void cleanup() { setTimeZone("Europe/Berlin"); }

    void sequences_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<double>("stability");
        QTest::addColumn<double>("difficulty");
        QTest::addColumn<int>("interval");
        // Expected values computed independently from the formulas in double precision.
        // clang-format off
        QTest::newRow("first again") << Steps { { 1, 0 } } << 0.212 << 6.4133 << 1;
        QTest::newRow("first hard") << Steps { { 2, 0 } } << 1.2931 << 5.112170705601055 << 1;
        QTest::newRow("first good") << Steps { { 3, 0 } } << 2.3065 << 2.118103970459015 << 2;
        QTest::newRow("first easy") << Steps { { 4, 0 } } << 8.2956 << 1.0 << 8;
        QTest::newRow("good, good after 2 days") << Steps { { 3, 0 }, { 3, 2 } } << 10.964332335820703 << 2.116985866488556 << 11;
        QTest::newRow("again after a long gap") << Steps { { 3, 0 }, { 3, 3 }, { 4, 10 }, { 1, 400 } } << 4.744992530385019 << 7.0327612 << 5;
        // clang-format on
        // The same day Good and Hard keep the stability, Again lowers it, Easy raises it.
        // clang-format off
        QTest::newRow("same-day reviews") << Steps { { 3, 0 }, { 3, 0 }, { 2, 0 }, { 1, 0 } } << 0.7750839828558983 << 8.267953389138293 << 1;
        QTest::newRow("easy the same day") << Steps { { 3, 0 }, { 4, 0 } } << 3.9460540679694778 << 1.0 << 4;
        QTest::newRow("hard, good, hard, good same day") << Steps { { 2, 0 }, { 3, 1 }, { 2, 5 }, { 3, 0 } } << 11.758912249954857 << 6.7377577897003365 << 12;
        QTest::newRow("again first, then good") << Steps { { 1, 0 }, { 3, 1 }, { 3, 3 } } << 7.631011258525059 << 6.4024788133 << 8;
        QTest::newRow("easy chain to the cap") << Steps { { 4, 0 }, { 4, 8 }, { 4, 66 }, { 4, 397 }, { 4, 1875 }, { 4, 7265 }, { 4, 23933 }, { 4, 36500 }, { 4, 36500 }, { 4, 36500 }, { 4, 36500 }, { 4, 36500 }, { 4, 36500 } } << 449429.93181150936 << 1.0 << 36500;
        // clang-format on
    }

    void sequences()
    {
        QFETCH(Steps, steps);
        QFETCH(double, stability);
        QFETCH(double, difficulty);
        QFETCH(int, interval);
        FSRSMemoryState state = FSRSEngine::initialState(*FSRSRatings::fromGrade(steps.first().first));
        for (qsizetype i = 1; i < steps.size(); ++i)
            state = FSRSEngine::nextState(state, *FSRSRatings::fromGrade(steps[i].first), steps[i].second);
        QVERIFY2(std::abs(state.stability - stability) <= 1e-9 * std::max(1.0, stability),
            qPrintable(QString::number(state.stability, 'g', 17)));
        QVERIFY2(
            std::abs(state.difficulty - difficulty) < 1e-9, qPrintable(QString::number(state.difficulty, 'g', 17)));
        QCOMPARE(FSRSEngine::intervalDays(state.stability), interval);
    }

    void invariantsHold()
    {
        // Every rating after every state stays inside the model's bounds.
        const double stabilities[] = { 0.01, 0.2, 1, 3.7, 40, 900, 50000 };
        const double difficulties[] = { 1, 2.5, 5, 9.9, 10 };
        const double gaps[] = { 0, 0.5, 1, 7, 365, 10000 };
        for (double s : stabilities)
            for (double d : difficulties)
                for (double t : gaps)
                    for (int g = 1; g <= 4; ++g) {
                        const FSRSMemoryState next = FSRSEngine::nextState({ s, d }, *FSRSRatings::fromGrade(g), t);
                        QVERIFY(next.stability >= FSRSEngine::kMinimumStability);
                        QVERIFY(next.difficulty >= 1 && next.difficulty <= 10);
                        const int interval = FSRSEngine::intervalDays(next.stability);
                        QVERIFY(interval >= 1 && interval <= 36500);
                    }
    }

    void intervals_data()
    {
        QTest::addColumn<double>("stability");
        QTest::addColumn<int>("days");
        QTest::newRow("tiny") << 0.01 << 1;
        QTest::newRow("one") << 1.0 << 1;
        QTest::newRow("1.4") << 1.4 << 1;
        QTest::newRow("1.5 rounds up") << 1.5 << 2;
        QTest::newRow("2.5 rounds away from zero") << 2.5 << 3;
        QTest::newRow("cap") << 36600.0 << 36500;
        QTest::newRow("nan") << std::nan("") << 1;
    }

    void intervals()
    {
        QFETCH(double, stability);
        QFETCH(int, days);
        QCOMPARE(FSRSEngine::intervalDays(stability), days);
    }

    void elapsedDays_data()
    {
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QDateTime>("to");
        QTest::addColumn<int>("days");
        auto at = [](int y, int m, int d, int h, int min) { return QDateTime(QDate(y, m, d), QTime(h, min)); };
        QTest::newRow("across midnight") << at(2026, 5, 1, 23, 55) << at(2026, 5, 2, 0, 5) << 0;
        QTest::newRow("a minute short") << at(2026, 5, 1, 10, 0) << at(2026, 5, 2, 9, 59) << 0;
        QTest::newRow("exactly a day") << at(2026, 5, 1, 10, 0) << at(2026, 5, 2, 10, 0) << 1;
        QTest::newRow("23-hour day") << at(2026, 3, 28, 10, 0) << at(2026, 3, 29, 10, 0) << 1;
        QTest::newRow("25-hour day") << at(2026, 10, 24, 10, 0) << at(2026, 10, 25, 10, 0) << 1;
        QTest::newRow("25 hours short of a day") << at(2026, 10, 24, 10, 0) << at(2026, 10, 25, 9, 30) << 0;
        QTest::newRow("a year") << at(2025, 6, 1, 8, 0) << at(2026, 6, 1, 8, 0) << 365;
        QTest::newRow("backwards") << at(2026, 6, 2, 8, 0) << at(2026, 6, 1, 8, 0) << 0;
        QTest::newRow("invalid start") << QDateTime() << at(2026, 6, 1, 8, 0) << 0;
    }

    void elapsedDays()
    {
        QFETCH(QDateTime, from);
        QFETCH(QDateTime, to);
        QFETCH(int, days);
        QCOMPARE(FSRSEngine::elapsedDays(from, to), days);
    }

    void zoneChangeBetweenReviews()
    {
        // Reviewed at 22:00 in Berlin, next opened the following evening in New York: the user's
        // current calendar counts the days.
        // The store keeps UTC instants, so take the review moment as one.
        const QDateTime reviewed = QDateTime(QDate(2026, 7, 1), QTime(22, 0)).toUTC();
        setTimeZone("America/New_York");
        const QDateTime later(QDate(2026, 7, 2), QTime(15, 0)); // 21:00 in Berlin
        QCOMPARE(FSRSEngine::elapsedDays(reviewed, later), 0);
        // 17:00 in New York is past the 16:00 of the review.
        QCOMPARE(FSRSEngine::elapsedDays(reviewed, later.addSecs(3600 * 2)), 1);
    }

    void dueDateKeepsWallClockAcrossDst()
    {
        const QDateTime now(QDate(2026, 3, 28), QTime(9, 30));
        const QDateTime due = FSRSEngine::dueDate(now, 2);
        QCOMPARE(due.date(), QDate(2026, 3, 30));
        QCOMPARE(due.time(), QTime(9, 30));
        QCOMPARE(now.secsTo(due), qint64(2 * 86400 - 3600));
    }
};

QTEST_GUILESS_MAIN(TestFSRSEngine)
#include "TestFSRSEngine.moc"
