#include "language/LruCache.h"

#include <QTest>

// The answer caches' bound: what stays and what goes once it is reached.
class TestLruCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsTheMostRecentlyUsed_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QString>("script"); // "+k" inserts k (value k), "?k" looks k up
        QTest::addColumn<QString>("kept");
        // clang-format off
        QTest::newRow("below the bound") << 3 << "+a +b +c" << "abc";
        QTest::newRow("oldest goes first") << 3 << "+a +b +c +d" << "bcd";
        QTest::newRow("a lookup keeps an entry") << 3 << "+a +b +c ?a +d" << "acd";
        QTest::newRow("a miss changes nothing") << 3 << "+a +b +c ?x +d" << "bcd";
        QTest::newRow("rewriting keeps an entry") << 3 << "+a +b +c +a +d" << "acd";
        QTest::newRow("a bound of one") << 1 << "+a +b" << "b";
        QTest::newRow("a bound below one is one") << 0 << "+a +b" << "b";
        // clang-format on
    }

    void keepsTheMostRecentlyUsed()
    {
        QFETCH(int, capacity);
        QFETCH(QString, script);
        QFETCH(QString, kept);
        LruCache<QString, QString> cache(capacity);
        for (const QString& step : script.split(QLatin1Char(' '))) {
            const QString key = step.mid(1);
            if (step.startsWith(QLatin1Char('+')))
                cache.insert(key, key.toUpper());
            else if (const QString* found = cache.find(key))
                QCOMPARE(*found, key.toUpper());
        }
        QString present;
        for (const QChar c : QStringLiteral("abcdx")) {
            if (cache.contains(QString(c)))
                present += c;
        }
        QCOMPARE(present, kept);
        QCOMPARE(cache.size(), kept.size());
    }

    void rewritingReplacesTheValue()
    {
        LruCache<QString, int> cache(2);
        cache.insert(QStringLiteral("a"), 1);
        cache.insert(QStringLiteral("a"), 2);
        QCOMPARE(*cache.find(QStringLiteral("a")), 2);
        QCOMPARE(cache.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestLruCache)
#include "TestLruCache.moc"
