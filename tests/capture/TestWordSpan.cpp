#include "capture/WordSpan.h"

#include <QTest>

class TestWordSpan : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void expand_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("start");
        QTest::newRow("inside word") << "hello brave world" << 8 << "brave" << 6;
        QTest::newRow("word start") << "hello brave world" << 6 << "brave" << 6;
        QTest::newRow("space picks left at equal distance") << "ab cd" << 2 << "ab" << 0;
        QTest::newRow("space nearer right") << "ab  cd" << 3 << "cd" << 4;
        QTest::newRow("hyphenated") << "a well-known fact" << 3 << "well-known" << 2;
        QTest::newRow("elision") << "pour l'amour" << 9 << "l'amour" << 5;
        QTest::newRow("combining mark counts as one character")
            << QString::fromUtf8("le the\u0301 noir") << 4 << QString::fromUtf8("the\u0301") << 3;
        QTest::newRow("emoji before word") << QString::fromUtf8("\U0001F600 word") << 3 << "word" << 2;
        QTest::newRow("index clamped") << "end" << 10 << "end" << 0;
        QTest::newRow("russian") << QString::fromUtf8("Мама мыла раму") << 6 << QString::fromUtf8("мыла") << 5;
        QTest::newRow("ja polite past from first character")
            << QString::fromUtf8("私はご飯を食べました。") << 5 << QString::fromUtf8("食べました") << 5;
        QTest::newRow("zh han run across punctuation")
            << QString::fromUtf8("我们、公园") << 0 << QString::fromUtf8("我们、公园") << 0;
        QTest::newRow("ko") << QString::fromUtf8("저는 학생입니다") << 4 << QString::fromUtf8("학생입니다") << 3;
        QTest::newRow("no letters keeps the index") << "..." << 1 << "." << 1;
    }
    void expand()
    {
        QFETCH(QString, text);
        QFETCH(int, index);
        QFETCH(QString, word);
        QFETCH(int, start);
        const WordSpan span = WordSpan::expand(text, index);
        QCOMPARE(span.word, word);
        QCOMPARE(span.start, qsizetype(start));
    }

    void emptyText()
    {
        const WordSpan span = WordSpan::expand(QString(), 0);
        QVERIFY(span.word.isEmpty());
        QCOMPARE(span.length, qsizetype(0));
    }
};

QTEST_GUILESS_MAIN(TestWordSpan)
#include "TestWordSpan.moc"
