#include "store/VocabCardStore.h"
#include "support/TempCardStore.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

// A writer killed with SIGKILL at arbitrary moments never loses a committed rating and never
// leaves a card changed without its log (or a log without its card change).
class TestStoreDurability : public QObject, TempCardStore<VocabCardStore>
{
    Q_OBJECT

private Q_SLOTS:
    void killedWriterLosesNothing()
    {
        openStore("UTC");
        for (int i = 0; i < 20; ++i) {
            VocabCardContent card;
            card.word = QStringLiteral("palabra %1").arg(i);
            card.pronunciationAudio = QByteArray(4096, char(i));
            QVERIFY(store().addCard(card));
        }
        m_store.reset();
        m_database.reset();

        qint64 acknowledged = 0;
        for (int run = 0; run < 25; ++run) {
            QProcess writer;
            writer.setProgram(QStringLiteral(QM_RATING_WRITER));
            writer.setArguments({ CardDatabase::defaultFilePath() });
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

        reopenStore();
        const auto value = [this](const char* sql) { return rows(QString::fromLatin1(sql)).value(0); };
        QCOMPARE(value("PRAGMA integrity_check"), QStringLiteral("ok"));
        const qint64 logs = value("SELECT COUNT(*) FROM review_log").toLongLong();
        // A rating may commit just before the kill and never be printed, so at least as many.
        QVERIFY2(logs >= acknowledged && logs <= acknowledged + 25,
            qPrintable(QStringLiteral("%1 logs, %2 acknowledged").arg(logs).arg(acknowledged)));
        QCOMPARE(value("SELECT SUM(reps) FROM vocab_card").toLongLong(), logs);
        QCOMPARE(
            value("SELECT SUM(lapses) FROM vocab_card"), value("SELECT COUNT(*) FROM review_log WHERE rating = 1"));
        QCOMPARE(
            value("SELECT COUNT(*) FROM vocab_media WHERE length(pronunciation_audio) = 4096"), QStringLiteral("20"));
        closeStore();
    }
};

QTEST_GUILESS_MAIN(TestStoreDurability)
#include "TestStoreDurability.moc"
