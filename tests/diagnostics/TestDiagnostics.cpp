#include "diagnostics/DiagnosticsService.h"
#include "diagnostics/FeedbackService.h"
#include "diagnostics/LogSink.h"
#include "diagnostics/QMLog.h"
#include "platform/MailComposer.h"
#include "platform/XdgEmailComposer.h"
#include "support/TempXdgHome.h"

#include <QFile>
#include <QLoggingCategory>
#include <QTest>
#include <QUrlQuery>

#include <tuple>

namespace {

class FakeComposer final : public MailComposer
{
public:
    bool available = true;
    bool succeed = true;
    int calls = 0;
    QString recipient, body, attachment;

    bool isAvailable() const override { return available; }
    bool compose(const QString& to, const QString&, const QString& b, const QString& a) override
    {
        std::tie(recipient, body, attachment) = std::tie(to, b, a);
        return ++calls, succeed;
    }
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDiagnostics : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;

private Q_SLOTS:
    void init() { m_home = std::make_unique<TempXdgHome>(); }
    void cleanup() { m_home.reset(); }

    void entriesAreAppendedInOrder()
    {
        DiagnosticsService service(DiagnosticsService::defaultFilePath(),
            [] { return QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7), Qt::UTC); });
        QCOMPARE(service.filePath(), m_home->diagnosticsFile());
        QVERIFY(!QFile::exists(service.filePath()));
        service.didReceive(DiagnosticsService::Kind::Diagnostic, { "{\"crash\":1}", "{\"crash\":2}" });
        service.didReceive(DiagnosticsService::Kind::Metric, { "{\"cpu\":\"é\"}" });
        QCOMPARE(readAll(service.filePath()),
            QByteArray("\n--- diagnostic 2026-03-04 05:06:07 +0000 ---\n{\"crash\":1}\n"
                       "\n--- diagnostic 2026-03-04 05:06:07 +0000 ---\n{\"crash\":2}\n"
                       "\n--- metric 2026-03-04 05:06:07 +0000 ---\n{\"cpu\":\"é\"}\n"));
    }

    void existingFileIsKeptAndInvalidUtf8Skipped()
    {
        DiagnosticsService service;
        {
            QFile file(service.filePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("older entries\n");
        }
        service.didReceive(DiagnosticsService::Kind::Metric, { QByteArray("\xff\xfe", 2), "{}" });
        const QByteArray text = readAll(service.filePath());
        QVERIFY(text.startsWith("older entries\n\n--- metric "));
        QCOMPARE(text.count("--- metric"), 1);
        QVERIFY(text.endsWith("---\n{}\n"));
    }

    void feedback_data()
    {
        QTest::addColumn<bool>("available");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("mail composer") << true << true;
        QTest::newRow("composer fails: mailto") << true << false;
        QTest::newRow("no composer: mailto") << false << false;
    }

    void feedback()
    {
        QFETCH(bool, available);
        QFETCH(bool, succeeds);
        DiagnosticsService diagnostics;
        auto composer = std::make_unique<FakeComposer>();
        FakeComposer* fake = composer.get();
        fake->available = available;
        fake->succeed = succeeds;
        QUrl opened;
        FeedbackService feedback(
            std::move(composer), &diagnostics, [&](const QUrl& url) { return opened = url, true; });
        feedback.setVersion(QStringLiteral("2.0"));
        feedback.composeFeedbackEmail();
        QCOMPARE(fake->calls, available ? 1 : 0);
        if (available) {
            QCOMPARE(fake->recipient, FeedbackService::kFeedbackAddress);
            QVERIFY(fake->body.startsWith(QStringLiteral("\n\n---\nQuillmoor 2.0\n")));
            QVERIFY(fake->attachment.isEmpty()); // no diagnostics yet
        }
        QCOMPARE(opened.isEmpty(), available && succeeds);
        if (!opened.isEmpty()) {
            QCOMPARE(opened.scheme(), QStringLiteral("mailto"));
            QCOMPARE(opened.path(), FeedbackService::kFeedbackAddress);
            const QString body = QUrlQuery(opened).queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
            QVERIFY2(body.startsWith(QStringLiteral("\r\n\r\n---\r\nQuillmoor 2.0\r\n")), qPrintable(body));
        }
        diagnostics.didReceive(DiagnosticsService::Kind::Diagnostic, { "{}" });
        feedback.composeFeedbackEmail();
        QCOMPARE(fake->attachment, available ? diagnostics.filePath() : QString());
        QCOMPARE(FeedbackService::body(QString(), QStringLiteral("Debian 12")),
            QStringLiteral("\n\n---\nQuillmoor —\nDebian 12"));
    }

    void mailtoEncodesReservedCharacters()
    {
        const QUrl url = FeedbackService::mailtoUrl(
            QStringLiteral("a@b.org"), QStringLiteral("x & y = z?"), QStringLiteral("50% + #1\nnext"));
        const QByteArray encoded = url.toEncoded();
        QVERIFY2(!encoded.contains(" & "), encoded.constData());
        QVERIFY(encoded.contains("%0D%0A"));
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), QStringLiteral("x & y = z?"));
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), QStringLiteral("50% + #1\r\nnext"));
    }

    void xdgEmailArguments()
    {
        QCOMPARE(XdgEmailComposer::arguments(
                     QStringLiteral("a@b.org"), QStringLiteral("S"), QStringLiteral("B"), QStringLiteral("/tmp/d.log")),
            (QStringList { "--utf8", "--subject", "S", "--body", "B", "--attach", "/tmp/d.log", "a@b.org" }));
        QVERIFY(!XdgEmailComposer::arguments("a@b.org", "S", "B", QString()).contains(QStringLiteral("--attach")));
    }

    void debugIsOffUnlessRulesTurnItOnAndLinesForTheJournal()
    {
        // Captured words are logged at debug level and the journal keeps them: off by default.
        QVERIFY(!qEnvironmentVariableIsSet("QT_LOGGING_RULES"));
        for (const QLoggingCategory* category : QMLog::categories()) {
            QVERIFY2(!category->isDebugEnabled(), category->categoryName());
            QVERIFY(category->isInfoEnabled());
        }
        QLoggingCategory::setFilterRules(QStringLiteral("quillmoor.*.debug=true"));
        QVERIFY(lcCapture().isDebugEnabled());
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(!lcCapture().isDebugEnabled());
        QCOMPARE(LogSink::format(QtCriticalMsg, "quillmoor.app", QStringLiteral("Settings window is nil")),
            QStringLiteral("quillmoor.app [error] Settings window is nil"));
        QCOMPARE(LogSink::syslogPriority(QtCriticalMsg), 3);
        QCOMPARE(LogSink::syslogPriority(QtDebugMsg), 7);
    }
};

QTEST_GUILESS_MAIN(TestDiagnostics)
#include "TestDiagnostics.moc"
