#include "store/CardDatabase.h"
#include "store/VocabCardStore.h"
#include "support/TempXdgHome.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTest>

// A writer killed with SIGKILL at arbitrary moments never loses a committed rating and never
// leaves a card changed without its log (or a log without its card change).
class TestStoreDurability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedWriterLosesNothing()
    {
        TempXdgHome home;
        const QString path = CardDatabase::defaultFilePath();
        {
            QString error;
            const auto database = CardDatabase::open(path, &error);
            QVERIFY2(database, qPrintable(error));
            VocabCardStore store(*database);
            for (int i = 0; i < 20; ++i) {
                VocabCardContent card;
                card.word = QStringLiteral("palabra %1").arg(i);
                card.pronunciationAudio = QByteArray(4096, char(i));
                QVERIFY(store.addCard(card));
            }
        }

        qint64 acknowledged = 0;
        for (int run = 0; run < 25; ++run) {
            QProcess writer;
            writer.setProgram(QStringLiteral(QM_RATING_WRITER));
            writer.setArguments({ path });
            writer.start();
            QVERIFY(writer.waitForStarted());
            // Wait for the first commit, then let it run for a random while.
            QVERIFY2(writer.waitForReadyRead(10000), qPrintable(QString::fromLocal8Bit(writer.readAllStandardError())));
            QTest::qWait(int(QRandomGenerator::global()->bounded(1, 120)));
            writer.kill(); // SIGKILL
            QVERIFY(writer.waitForFinished());
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
            const QList<QByteArray> lines = writer.readAllStandardOutput().trimmed().split('\n');
            acknowledged += lines.last().toLongLong();
        }
        QVERIFY(acknowledged > 25);
        qInfo("%lld ratings acknowledged over 25 killed writers", acknowledged);

        QString error;
        const auto database = CardDatabase::open(path, &error);
        QVERIFY2(database, qPrintable(error));
        QSqlQuery q(database->db());
        QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM review_log")) && q.next());
        const qint64 logs = q.value(0).toLongLong();
        // A rating may commit just before the kill and never be printed, so at least as many.
        QVERIFY2(
            logs >= acknowledged, qPrintable(QStringLiteral("%1 logs, %2 acknowledged").arg(logs).arg(acknowledged)));
        QVERIFY(logs <= acknowledged + 25);
        QVERIFY(q.exec(QStringLiteral("SELECT SUM(reps), SUM(lapses) FROM vocab_card")) && q.next());
        QCOMPARE(q.value(0).toLongLong(), logs);
        const qint64 lapses = q.value(1).toLongLong();
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM review_log WHERE rating = 1")) && q.next());
        QCOMPARE(q.value(0).toLongLong(), lapses);
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM vocab_media WHERE length(pronunciation_audio) = 4096"))
            && q.next());
        QCOMPARE(q.value(0).toInt(), 20);
    }
};

QTEST_GUILESS_MAIN(TestStoreDurability)
#include "TestStoreDurability.moc"
