#include "diagnostics/CrashReporter.h"
#include "platform/SystemJournal.h"
#include "support/TempXdgHome.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

// Exported (the test links with exported symbols) so the handler's backtrace can name it, and kept
// in one piece: a cold part split off into .text.unlikely would have no symbol of its own.
extern "C" [[gnu::noinline, gnu::optimize("no-reorder-blocks-and-partition")]] void quillmoorCrashOnPurpose(int signal)
{
    switch (signal) {
    case SIGSEGV: {
        // A real fault: a write to a page nobody may touch.
        void* page = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        *static_cast<volatile int*>(page) = 1;
        break;
    }
    case SIGABRT:
        std::abort();
    case SIGILL:
        __builtin_trap();
    default:
        std::raise(signal);
    }
    std::puts("survived the crash");
}

class TestCrashReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void crashLeavesAnEntryAndDiesBySignal_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("name");
        QTest::newRow("segmentation fault") << SIGSEGV << "SIGSEGV";
        QTest::newRow("abort") << SIGABRT << "SIGABRT";
        QTest::newRow("illegal instruction") << SIGILL << "SIGILL";
        QTest::newRow("bus error") << SIGBUS << "SIGBUS";
        QTest::newRow("arithmetic") << SIGFPE << "SIGFPE";
    }

    void crashLeavesAnEntryAndDiesBySignal()
    {
        QFETCH(int, signal);
        QFETCH(QString, name);
        TempXdgHome home;
        const QString log = home.diagnosticsFile();
        QVERIFY(QDir().mkpath(QFileInfo(log).absolutePath()));
        QFile earlier(log);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier entries\n") > 0);
        earlier.close();
        const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
        const pid_t child = fork();
        if (child == 0) {
            if (!CrashReporter::install(log, "9.8.7-test"))
                _exit(3);
            quillmoorCrashOnPurpose(signal);
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFSIGNALED(status), "the process must still die by its signal");
        QCOMPARE(WTERMSIG(status), signal);

        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.startsWith(QLatin1String("earlier entries\n")));
        static const QRegularExpression header(QStringLiteral("\n--- diagnostic (.{19}) \\+0000 ---\n(.*)\n$"),
            QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch match = header.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        const QDateTime stamp = QDateTime::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QVERIFY(stamp.isValid());
        QVERIFY(qAbs(QDateTime(stamp.date(), stamp.time(), Qt::UTC).secsTo(before)) < 60);
        QJsonParseError error;
        const QJsonObject crash = QJsonDocument::fromJson(match.captured(2).toUtf8(), &error)["crash"].toObject();
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(match.captured(2)));
        QCOMPARE(crash["signal"].toString(), name);
        QCOMPARE(crash["version"].toString(), QStringLiteral("9.8.7-test"));
        const QJsonArray frames = crash["backtrace"].toArray();
        const QByteArray backtrace = QJsonDocument(frames).toJson();
        QVERIFY2(backtrace.contains("quillmoorCrashOnPurpose"), backtrace.constData());

        QVERIFY(CrashReporter::takePendingReport(log));
        QVERIFY(!CrashReporter::takePendingReport(log));
    }

    void journalOnlyWhenStderrIsNotIt_data()
    {
        QTest::addColumn<QString>("stream");
        QTest::addColumn<bool>("isJournal");
        struct stat status = {};
        QCOMPARE(fstat(2, &status), 0);
        const QString own = QStringLiteral("%1:%2").arg(status.st_dev).arg(status.st_ino);
        QTest::newRow("stderr is the journal stream") << own << true;
        QTest::newRow("another stream") << QStringLiteral("%1:%2").arg(status.st_dev).arg(status.st_ino + 1) << false;
        QTest::newRow("not set") << QString() << false;
    }

    void journalOnlyWhenStderrIsNotIt()
    {
        QFETCH(QString, stream);
        QFETCH(bool, isJournal);
        if (stream.isEmpty())
            qunsetenv("JOURNAL_STREAM");
        else
            qputenv("JOURNAL_STREAM", stream.toUtf8());
        QCOMPARE(SystemJournal::stderrIsJournal(), isJournal);
        if (isJournal)
            QVERIFY(!SystemJournal::createDefault());
        qunsetenv("JOURNAL_STREAM");
    }
};

QTEST_GUILESS_MAIN(TestCrashReport)
#include "TestCrashReport.moc"
