#include "diagnostics/DiagnosticsService.h"
#include "diagnostics/FeedbackService.h"
#include "diagnostics/LogSink.h"
#include "diagnostics/QMLog.h"
#include "platform/MailComposer.h"
#include "platform/XdgEmailComposer.h"
#include "support/TempXdgHome.h"

#include <QFile>
#include <QTest>
#include <QUrlQuery>

namespace {

class FakeComposer final : public MailComposer
{
public:
    bool available = true;
    bool succeed = true;
    int calls = 0;
    QString recipient, subject, body, attachment;

    bool isAvailable() const override { return available; }
    bool compose(const QString& to, const QString& s, const QString& b, const QString& a) override
    {
        ++calls;
        recipient = to;
        subject = s;
        body = b;
        attachment = a;
        return succeed;
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
        DiagnosticsService service;
        QCOMPARE(service.filePath(), m_home->diagnosticsFile());
        QVERIFY(!QFile::exists(service.filePath()));
        service.setClock([] { return QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7), Qt::UTC); });
        service.didReceive(DiagnosticsService::Kind::Diagnostic, { "{\"crash\":1}", "{\"crash\":2}" });
        service.didReceive(DiagnosticsService::Kind::Metric, { "{\"cpu\":\"é\"}" });
        QCOMPARE(readAll(service.filePath()),
                 QByteArray("\n--- diagnostic 2026-03-04 05:06:07 +0000 ---\n{\"crash\":1}\n"
                            "\n--- diagnostic 2026-03-04 05:06:07 +0000 ---\n{\"crash\":2}\n"
                            "\n--- metric 2026-03-04 05:06:07 +0000 ---\n{\"cpu\":\"é\"}\n"));
    }

    void invalidUtf8PayloadIsSkipped()
    {
        DiagnosticsService service;
        service.didReceive(DiagnosticsService::Kind::Metric, { QByteArray("\xff\xfe", 2), "{}" });
        const QByteArray text = readAll(service.filePath());
        QCOMPARE(text.count("--- metric"), 1);
        QVERIFY(text.endsWith("---\n{}\n"));
    }

    void existingFileIsNeverReplaced()
    {
        DiagnosticsService service;
        {
            QFile file(service.filePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("older entries\n");
        }
        service.didReceive(DiagnosticsService::Kind::Diagnostic, { "{}" });
        QVERIFY(readAll(service.filePath()).startsWith("older entries\n\n--- diagnostic "));
    }

    void feedbackBody_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("expected");
        QTest::newRow("with version") << "1.2.3" << "\n\n---\nQuillmoor 1.2.3\nDebian 12";
        QTest::newRow("missing version") << "" << "\n\n---\nQuillmoor —\nDebian 12";
    }

    void feedbackBody()
    {
        QFETCH(QString, version);
        QFETCH(QString, expected);
        QCOMPARE(FeedbackService::body(version, QStringLiteral("Debian 12")), expected);
    }

    void feedbackAttachesDiagnosticsWhenPresent()
    {
        DiagnosticsService diagnostics;
        auto composer = std::make_unique<FakeComposer>();
        FakeComposer* fake = composer.get();
        int opened = 0;
        FeedbackService feedback(std::move(composer), &diagnostics, [&](const QUrl&) { return ++opened, true; });
        feedback.setVersion(QStringLiteral("0.1.0"));

        feedback.composeFeedbackEmail();
        QCOMPARE(fake->calls, 1);
        QCOMPARE(fake->recipient, FeedbackService::kFeedbackAddress);
        QCOMPARE(fake->subject, QStringLiteral("Quillmoor — отзыв"));
        QVERIFY(fake->body.startsWith(QStringLiteral("\n\n---\nQuillmoor 0.1.0\n")));
        QVERIFY(fake->attachment.isEmpty());

        diagnostics.didReceive(DiagnosticsService::Kind::Diagnostic, { "{}" });
        feedback.composeFeedbackEmail();
        QCOMPARE(fake->attachment, diagnostics.filePath());
        QCOMPARE(opened, 0);
    }

    void feedbackFallsBackToMailto()
    {
        DiagnosticsService diagnostics;
        auto composer = std::make_unique<FakeComposer>();
        composer->succeed = false;
        QUrl openedUrl;
        FeedbackService feedback(std::move(composer), &diagnostics, [&](const QUrl& url) {
            openedUrl = url;
            return true;
        });
        feedback.setVersion(QStringLiteral("2.0"));
        feedback.composeFeedbackEmail();
        QCOMPARE(openedUrl.scheme(), QStringLiteral("mailto"));
        QCOMPARE(openedUrl.path(), FeedbackService::kFeedbackAddress);
        const QUrlQuery query(openedUrl);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Quillmoor — отзыв"));
        const QString body = query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
        QVERIFY2(body.startsWith(QStringLiteral("\r\n\r\n---\r\nQuillmoor 2.0\r\n")), qPrintable(body));
    }

    void mailtoEncodesReservedCharacters()
    {
        const QUrl url = FeedbackService::mailtoUrl(QStringLiteral("a@b.org"), QStringLiteral("x & y = z?"),
                                                    QStringLiteral("50% + #1\nnext"));
        const QByteArray encoded = url.toEncoded();
        QVERIFY2(!encoded.contains(" & "), encoded.constData());
        QVERIFY(encoded.contains("%0D%0A"));
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), QStringLiteral("x & y = z?"));
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), QStringLiteral("50% + #1\r\nnext"));
    }

    void xdgEmailArguments()
    {
        QCOMPARE(XdgEmailComposer::arguments(QStringLiteral("a@b.org"), QStringLiteral("S"), QStringLiteral("B"),
                                             QStringLiteral("/tmp/d.log")),
                 (QStringList { "--utf8", "--subject", "S", "--body", "B", "--attach", "/tmp/d.log", "a@b.org" }));
        QVERIFY(!XdgEmailComposer::arguments("a@b.org", "S", "B", QString()).contains(QStringLiteral("--attach")));
    }

    void categoriesAndLevels()
    {
        QStringList names;
        for (const QLoggingCategory* category : QMLog::categories())
            names << QString::fromLatin1(category->categoryName());
        QCOMPARE(names, (QStringList { "quillmoor.capture", "quillmoor.translation", "quillmoor.meaning",
                                       "quillmoor.grammar", "quillmoor.etymology", "quillmoor.pronunciation",
                                       "quillmoor.image", "quillmoor.notifications", "quillmoor.review",
                                       "quillmoor.settings", "quillmoor.app" }));
        QCOMPARE(LogSink::format(QtCriticalMsg, "quillmoor.app", QStringLiteral("Settings window is nil")),
                 QStringLiteral("quillmoor.app [error] Settings window is nil"));
        QCOMPARE(LogSink::syslogPriority(QtCriticalMsg), 3);
        QCOMPARE(LogSink::syslogPriority(QtDebugMsg), 7);
    }

    void debugIsOffUnlessRulesTurnItOn()
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
    }
};

QTEST_GUILESS_MAIN(TestDiagnostics)
#include "TestDiagnostics.moc"
