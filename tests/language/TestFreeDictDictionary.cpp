#include "language/FreeDictDictionary.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray number(qint64 value)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    QByteArray digits;
    do {
        digits.prepend(alphabet[value % 64]);
        value /= 64;
    } while (value > 0);
    return digits;
}

// Writes a small dictionary in dictd format, its text compressed with plain gzip.
bool writeDictionary(const QString& base, const QList<QPair<QString, QString>>& articles)
{
    QByteArray text, index;
    for (const auto& [head, body] : articles) {
        const QByteArray bytes = body.toUtf8();
        index += head.toUtf8() + '\t' + number(text.size()) + '\t' + number(bytes.size()) + '\n';
        text += bytes;
    }
    QFile indexFile(base + QStringLiteral(".index"));
    QFile plain(base + QStringLiteral(".dict"));
    if (!indexFile.open(QIODevice::WriteOnly) || !plain.open(QIODevice::WriteOnly))
        return false;
    indexFile.write(index);
    plain.write(text);
    plain.close();
    return QProcess::execute(QStringLiteral("gzip"), { QStringLiteral("-S"), QStringLiteral(".dz"), plain.fileName() })
        == 0;
}

} // namespace

class TestFreeDictDictionary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void installedDictionary_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("headword");
        QTest::addColumn<QString>("firstSense");
        const QString spaEng = QStringLiteral("/usr/share/dictd/freedict-spa-eng");
        const QString engSpa = QStringLiteral("/usr/share/dictd/freedict-eng-spa");
        // clang-format off
        QTest::newRow("casa") << spaEng << "casa" << "casa" << "house";
        QTest::newRow("capitalised") << spaEng << "Casa" << "casa" << "house";
        QTest::newRow("numbered senses") << spaEng << "abandonar" << "abandonar" << "cede, give in, give up, give way, relinquish, yield";
        QTest::newRow("multi-word headword") << spaEng << "a bordo" << "a bordo" << QString();
        QTest::newRow("english to spanish") << engSpa << "dog" << "dog" << QString();
        // clang-format on
    }

    void installedDictionary()
    {
        QFETCH(QString, base);
        QFETCH(QString, word);
        QFETCH(QString, headword);
        QFETCH(QString, firstSense);
        const auto dictionary = FreeDictDictionary::open(base);
        QVERIFY2(dictionary, "the FreeDict package is not installed");
        const auto entry = dictionary->lookup(word);
        QVERIFY(entry);
        QCOMPARE(entry->headword, headword);
        QVERIFY(!entry->senses.isEmpty());
        if (!firstSense.isEmpty())
            QCOMPARE(entry->senses.first(), firstSense);
    }

    void everyHeadwordOfTheIndexIsFound()
    {
        // Bisection must agree with the order the index was written in, entry by entry.
        const QString base = QStringLiteral("/usr/share/dictd/freedict-spa-eng");
        const auto dictionary = FreeDictDictionary::open(base);
        QVERIFY(dictionary);
        QFile index(base + QStringLiteral(".index"));
        QVERIFY(index.open(QIODevice::ReadOnly));
        int checked = 0;
        while (!index.atEnd()) {
            const QString head = QString::fromUtf8(index.readLine().split('\t').value(0));
            if (head.startsWith(QStringLiteral("00database")) || FreeDictDictionary::normalizedKey(head).isEmpty())
                continue;
            const auto entry = dictionary->lookup(head);
            QVERIFY2(entry, qPrintable(head));
            QCOMPARE(FreeDictDictionary::normalizedKey(entry->headword), FreeDictDictionary::normalizedKey(head));
            ++checked;
        }
        QVERIFY(checked > 1000);
    }

    void plainGzipDictionary()
    {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("test"));
        QVERIFY(writeDictionary(base,
            { { "Haus", "Haus /haʊ̯s/\nhouse\n" }, { "haus", "haus\nsecond spelling\n" },
                { "Hund", "Hund /hʊnt/\n1. dog\n2. hound\n" }, { "Straße", "Straße /ˈʃtʁaːsə/\nstreet\n" } }));
        const auto dictionary = FreeDictDictionary::open(base);
        QVERIFY(dictionary);
        const auto hund = dictionary->lookup(QStringLiteral("hund"));
        QVERIFY(hund);
        QCOMPARE(hund->pronunciation, QStringLiteral("hʊnt"));
        QCOMPARE(hund->senses, (QStringList { "dog", "hound" }));
        QCOMPARE(dictionary->lookup(QStringLiteral("haus"))->senses.first(), QStringLiteral("second spelling"));
        QCOMPARE(dictionary->lookup(QStringLiteral("Haus"))->senses.first(), QStringLiteral("house"));
        QCOMPARE(dictionary->lookup(QStringLiteral("straße"))->senses.first(), QStringLiteral("street"));
        QVERIFY(!dictionary->lookup(QStringLiteral("Katze")));
        QVERIFY(!dictionary->lookup(QStringLiteral("  ")));
        QVERIFY(!dictionary->lookup(QStringLiteral("zzz")));
    }

    void brokenFilesAreRefused()
    {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("broken"));
        QVERIFY(!FreeDictDictionary::open(base));
        QFile index(base + QStringLiteral(".index"));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("word\tA\tZZZZZZ\n");
        index.close();
        QFile dict(base + QStringLiteral(".dict.dz"));
        QVERIFY(dict.open(QIODevice::WriteOnly));
        dict.write("not gzip at all");
        dict.close();
        QVERIFY(!FreeDictDictionary::open(base));
    }

    void articleParsing_data()
    {
        QTest::addColumn<QString>("article");
        QTest::addColumn<QString>("headword");
        QTest::addColumn<QString>("pronunciation");
        QTest::addColumn<QStringList>("senses");
        // clang-format off
        QTest::newRow("single") << "perro /pˈero/\ndog\n" << "perro" << "pˈero" << QStringList { "dog" };
        QTest::newRow("no ipa") << "a bordo\naboard\n" << "a bordo" << "" << QStringList { "aboard" };
        QTest::newRow("numbered") << "x /y/\n1. one, uno\n2. two\n" << "x" << "y" << QStringList { "one, uno", "two" };
        QTest::newRow("empty") << "" << "" << "" << QStringList {};
        QTest::newRow("grammar marks, examples and labels") << "Bank /bˈaŋk/ <fem, n, sg>\n [fin.] bank <n>\n      \"die Bank\"  - the bank\n   Synonym: {Bankinstitut}\n see: {Banken}\n" << "Bank" << "bˈaŋk" << QStringList { "[fin.] bank <n>" };
        // clang-format on
    }

    void articleParsing()
    {
        QFETCH(QString, article);
        QFETCH(QString, headword);
        QFETCH(QString, pronunciation);
        QFETCH(QStringList, senses);
        const auto entry = FreeDictDictionary::parseArticle(article);
        QCOMPARE(entry.headword, headword);
        QCOMPARE(entry.pronunciation, pronunciation);
        QCOMPARE(entry.senses, senses);
        QCOMPARE(entry.grammar.isEmpty(), !article.contains(QLatin1Char('<')));
    }
};

QTEST_GUILESS_MAIN(TestFreeDictDictionary)
#include "TestFreeDictDictionary.moc"
