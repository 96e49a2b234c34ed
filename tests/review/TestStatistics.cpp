#include "review/ForecastView.h"
#include "review/HeatMapView.h"
#include "review/ReviewHeatMap.h"
#include "review/StatsFormat.h"
#include "review/StatsView.h"
#include "store/VocabCardStore.h"
#include "support/TempCardStore.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <QTranslator>

using DayCounts = QMap<QDate, int>;

namespace {
QDate day(const char* text)
{
    return QDate::fromString(QString::fromLatin1(text), Qt::ISODate);
}
} // namespace

class TestStatistics : public QObject, TempCardStore<VocabCardStore>
{
    Q_OBJECT

    std::unique_ptr<StatsView> m_view;
    QString m_language = QStringLiteral("ru");

    // Reviews `daysAgo` days before now at the same time of day, `seconds` long each.
    void review(int daysAgo, int times = 1, double seconds = 10, int rating = 3)
    {
        for (int i = 0; i < times; ++i) {
            exec(QStringLiteral("INSERT INTO review_log (date, duration_seconds, rating) VALUES (?, ?, ?)"),
                { now.addDays(-daysAgo).addSecs(-i).toMSecsSinceEpoch(), seconds, rating });
        }
    }

    StatsView& open(const std::optional<QString>& deck = std::nullopt)
    {
        m_view = std::make_unique<StatsView>(
            store(), deck, [this] { return m_language; }, now.date());
        m_view->resize(420, 560);
        m_view->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(m_view.get())); }();
        return *m_view;
    }

    QString text(const char* label) { return m_view->findChild<QLabel*>(QString::fromLatin1(label))->text(); }
    QString chip(const char* name)
    {
        return m_view->findChild<QWidget*>(QString::fromLatin1(name))->findChild<QLabel*>("chipValue")->text();
    }
    // What a screen reader reads for each cell of a painted chart.
    static QStringList cellNames(QWidget* chart)
    {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(chart);
        QStringList names;
        for (int i = 0; iface && i < iface->childCount(); ++i)
            names << iface->child(i)->text(QAccessible::Name);
        return names;
    }

private Q_SLOTS:
    void init()
    {
        openStore("Europe/Berlin");
        m_language = QStringLiteral("ru");
    }
    void cleanup()
    {
        m_view.reset();
        closeStore();
    }

    void cardPhrases_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("phrase");
        for (int n : { 1, 21 })
            QTest::addRow("ru %d", n) << "ru" << n << QStringLiteral("%1 карточка").arg(n);
        for (int n : { 2, 22 })
            QTest::addRow("ru %d", n) << "ru" << n << QStringLiteral("%1 карточки").arg(n);
        for (int n : { 5, 11, 112, 0 })
            QTest::addRow("ru %d", n) << "ru" << n << QStringLiteral("%1 карточек").arg(n);
        QTest::newRow("unknown language counts as Russian") << "xx" << 3 << "3 карточки";
        QTest::newRow("en 1") << "en" << 1 << "1 card";
        QTest::newRow("en 21") << "en" << 21 << "21 cards";
        QTest::newRow("es 1") << "es" << 1 << "1 tarjeta";
        QTest::newRow("es 0") << "es" << 0 << "0 tarjetas";
        QTest::newRow("fr 1") << "fr" << 1 << "1 carte";
        QTest::newRow("fr 2") << "fr" << 2 << "2 cartes";
        QTest::newRow("zh 1") << "zh" << 1 << "1 张卡片";
        QTest::newRow("ja 112") << "ja" << 112 << "112 枚のカード";
    }

    void cardPhrases()
    {
        QFETCH(QString, language);
        QFETCH(int, n);
        QFETCH(QString, phrase);
        QCOMPARE(StatsFormat::pluralizedCards(n, language), phrase);
    }

    void todayLineFiguresInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("line");
        // clang-format off
        QTest::newRow("ru") << "ru" << "Изучено 5 карточек за 2.50 минут сегодня (30.00 с/карточка)";
        QTest::newRow("en") << "en" << "Studied 5 cards in 2.50 minutes today (30.00 s/card)";
        QTest::newRow("es") << "es" << "Has estudiado 5 tarjetas en 2.50 minutos hoy (30.00 s/tarjeta)";
        QTest::newRow("fr, decimal comma locale") << "fr" << "Étudié aujourd’hui : 5 cartes en 2.50 minutes (30.00 s/carte)";
        QTest::newRow("zh") << "zh" << "今天用 2.50 分钟学习了 5 张卡片（每张 30.00 秒）";
        QTest::newRow("ja") << "ja" << "今日は 5 枚のカードを 2.50 分で学習しました（1 枚あたり 30.00 秒）";
        // clang-format on
    }

    void todayLineFiguresInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, line);
        QTranslator translator;
        if (language != QLatin1String("ru")) {
            QVERIFY(translator.load(QStringLiteral(":/i18n/quillmoor_") + language));
            QCoreApplication::installTranslator(&translator);
        }
        QLocale::setDefault(QLocale(language));
        review(0, 5, 30);
        review(1, 2, 30); // yesterday's do not count
        m_language = language;
        open();
        QCOMPARE(text("todayLine"), line);
        QCoreApplication::removeTranslator(&translator);
        QLocale::setDefault(QLocale::c());
    }

    void screenFigures_data()
    {
        QTest::addColumn<QList<int>>("daysAgo"); // one review each, rated Good unless negative (Again)
        QTest::addColumn<QString>("today");
        QTest::addColumn<QString>("badge"); // empty: hidden
        QTest::addColumn<QString>("success");
        // clang-format off
        QTest::newRow("no logs") << QList<int> {} << "Сегодня повторений ещё не было" << "" << "—";
        QTest::newRow("today and yesterday: a streak of 2") << QList<int> { 0, 1 } << "Изучено 1 карточка за 0.17 минут сегодня (10.00 с/карточка)" << "2 🔥" << "100%";
        QTest::newRow("yesterday only keeps the streak") << QList<int> { 1, -2 } << "Сегодня повторений ещё не было" << "2 🔥" << "50%";
        QTest::newRow("a gap breaks it; older than 30 days not in the rate") << QList<int> { 2, -40 } << "Сегодня повторений ещё не было" << "" << "100%";
        // clang-format on
    }

    void screenFigures()
    {
        QFETCH(QList<int>, daysAgo);
        QFETCH(QString, today);
        QFETCH(QString, badge);
        QFETCH(QString, success);
        for (int d : daysAgo)
            review(std::abs(d), 1, 10, d < 0 ? 1 : 3);
        open();
        QCOMPARE(text("todayLine"), today);
        auto* streak = m_view->findChild<QLabel*>("streakBadge");
        QCOMPARE(streak->isVisible(), !badge.isEmpty());
        if (!badge.isEmpty())
            QCOMPARE(streak->text(), badge);
        QCOMPARE(chip("chipSuccess"), success);
        QCOMPARE(text("heatMapCaption"), QStringLiteral("2026"));
        // Past days without reviews are faint, future ones fainter.
        const ReviewHeatMap& map = m_view->heatMap()->map();
        QCOMPARE(map.opacity(now.date().addDays(-60)), 0.08);
        QCOMPARE(map.opacity(now.date().addDays(1)), 0.03);
    }

    void chipsFollowTheDeck()
    {
        const auto add = [this](const char* word, const char* deck, double stability, int reps, int dueInDays) {
            VocabCardContent content;
            content.word = QString::fromLatin1(word);
            content.deckName = QString::fromUtf8(deck);
            const qint64 id = store().addCard(content)->id;
            exec(QStringLiteral("UPDATE vocab_card SET stability = ?, reps = ?, due_date = ? WHERE id = ?"),
                { stability, reps, now.addDays(dueInDays).toMSecsSinceEpoch(), id });
        };
        add("uno", "ES → RU", 30, 3, 2);
        add("dos", "ES → RU", 0.4, 1, 2);
        add("tres", "ES → RU", 0, 0, 0);
        add("eins", "DE → RU", 10, 2, 1);
        open(QStringLiteral("ES → RU"));
        QCOMPARE(chip("chipLearning"), QStringLiteral("2"));
        QCOMPARE(chip("chipMastered"), QStringLiteral("1"));
        QCOMPARE(chip("chipInterval"), QStringLiteral("16 дн.")); // (30 + 1) / 2, rounded
        const QStringList bars = cellNames(m_view->findChild<QWidget*>("forecast"));
        QCOMPARE(bars.size(), 7);
        QCOMPARE(bars.at(0), QStringLiteral("10 мая 2026: 1 карточка"));
        QCOMPARE(bars.at(2), QStringLiteral("12 мая 2026: 2 карточки"));
        QCOMPARE(bars.at(1), QStringLiteral("11 мая 2026: 0 карточек")); // DE → RU is another deck
        open();
        QCOMPARE(chip("chipInterval"), QStringLiteral("14 дн."));
        QCOMPARE(cellNames(m_view->findChild<QWidget*>("forecast")).at(1), QStringLiteral("11 мая 2026: 1 карточка"));
    }

    void opacityScale_data()
    {
        QTest::addColumn<DayCounts>("counts");
        QTest::addColumn<QDate>("probe");
        QTest::addColumn<double>("opacity");
        // Today is Wednesday 2026-05-13: the first drawn column starts on Sunday 2026-01-25, and 112
        // days of counts reach back to 2026-01-21.
        const QMap<QDate, int> undrawnPeak { { day("2026-01-22"), 40 }, { day("2026-03-02"), 4 },
            { day("2026-03-03"), 2 } };
        // clang-format off
        QTest::newRow("the drawn maximum is 0.9, an undrawn day does not count") << undrawnPeak << day("2026-03-02") << 0.9;
        QTest::newRow("half the drawn maximum") << undrawnPeak << day("2026-03-03") << 0.6;
        // clang-format on
        const QMap<QDate, int> ones { { day("2026-02-01"), 1 }, { day("2026-05-13"), 1 } };
        QTest::newRow("a maximum of 1: every reviewed day at 0.9") << ones << day("2026-02-01") << 0.9;
        QTest::newRow("today reviewed") << ones << day("2026-05-13") << 0.9;
        QTest::newRow("past day without reviews") << ones << day("2026-05-12") << 0.08;
        QTest::newRow("future day of this week") << ones << day("2026-05-14") << 0.03;
    }

    void opacityScale()
    {
        QFETCH(DayCounts, counts);
        QFETCH(QDate, probe);
        QFETCH(double, opacity);
        const ReviewHeatMap map(day("2026-05-13"), counts);
        QCOMPARE(map.weeks().first().first(), day("2026-01-25"));
        QVERIFY(qFuzzyCompare(map.opacity(probe), opacity));
    }

    void weeksBeginOnSunday_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("lastWeekStart");
        QTest::newRow("Sunday: the current week is the last column") << day("2026-05-10") << day("2026-05-10");
        QTest::newRow("Saturday ends the last column") << day("2026-05-16") << day("2026-05-10");
        QTest::newRow("Monday") << day("2026-05-11") << day("2026-05-10");
    }

    void weeksBeginOnSunday()
    {
        QFETCH(QDate, today);
        QFETCH(QDate, lastWeekStart);
        const ReviewHeatMap map(today, {});
        QCOMPARE(map.weeks().size(), 16);
        QCOMPARE(map.weeks().last().first(), lastWeekStart);
        QVERIFY(map.weeks().last().contains(today));
        QCOMPARE(map.weeks().first().first(), lastWeekStart.addDays(-105));
        for (const QList<QDate>& week : map.weeks()) {
            QCOMPARE(week.size(), 7);
            QCOMPARE(week.first().dayOfWeek(), 7);
        }
    }

    // São Paulo skipped midnight when its 2018 summer time began on Sunday 4 November.
    void dstWeekWithoutMidnight()
    {
        setTimeZone("America/Sao_Paulo");
        now = QDateTime(QDate(2018, 11, 6), QTime(12, 0));
        exec(QStringLiteral("INSERT INTO review_log (date, duration_seconds, rating) VALUES (?, 5, 3)"),
            { QDateTime(QDate(2018, 11, 4), QTime(10, 0)).toMSecsSinceEpoch() });
        exec(QStringLiteral("INSERT INTO review_log (date, duration_seconds, rating) VALUES (?, 5, 3)"),
            { QDateTime(QDate(2018, 11, 3), QTime(23, 30)).toMSecsSinceEpoch() });
        open();
        const QStringList cells = cellNames(m_view->heatMap());
        QCOMPARE(cells.size(), 112);
        QCOMPARE(cells.at(105), QStringLiteral("4 ноября 2018: 1 карточка"));
        QCOMPARE(cells.at(104), QStringLiteral("3 ноября 2018: 1 карточка"));
        QCOMPARE(cells.at(107), QStringLiteral("6 ноября 2018: 0 карточек"));
    }

    void hoverCaption()
    {
        review(1, 3);
        open();
        HeatMapView* map = m_view->heatMap();
        // Today is Sunday 10 May 2026, the first cell of the last column; yesterday ends the one before.
        const int yesterday = 15 * 7 - 1;
        QCOMPARE(map->dayAt(yesterday), QDate(2026, 5, 9));
        QTest::mouseMove(map, map->cellRect(yesterday).center());
        QTRY_COMPARE(text("heatMapCaption"), QStringLiteral("9 мая 2026: 3 карточки"));
        QTest::mouseMove(map, map->cellRect(yesterday + 1).center());
        QTRY_COMPARE(text("heatMapCaption"), QStringLiteral("10 мая 2026: 0 карточек"));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(map, &leave);
        QTRY_COMPARE(text("heatMapCaption"), QStringLiteral("2026"));
    }

    void forecastBars_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("largest");
        QTest::addColumn<double>("height");
        QTest::newRow("no cards") << 0 << 0 << 4.0;
        QTest::newRow("a maximum of 1 fills the bar") << 1 << 1 << 40.0;
        QTest::newRow("half of the busiest day") << 3 << 6 << 22.0;
    }

    void forecastBars()
    {
        QFETCH(int, count);
        QFETCH(int, largest);
        QFETCH(double, height);
        QCOMPARE(ForecastView::barHeight(count, largest), height);
    }
};

QTEST_MAIN(TestStatistics)
#include "TestStatistics.moc"
