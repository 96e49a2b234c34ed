#include "support/LocalHttpServer.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QCoroNetworkReply>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStandardPaths>
#include <QTest>

namespace {
QCoro::Task<QByteArray> fetch(QNetworkAccessManager& manager, QUrl url, QByteArray body)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    std::unique_ptr<QNetworkReply> reply(co_await manager.post(request, body));
    co_return QByteArray::number(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt()) + ' '
        + reply->readAll();
}
} // namespace

// The harness later tests lean on: a wrong fake server or a wait that never ends would make
// their failures meaningless.
class TestSupport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void serverAnswersWithItsRoutes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("routed") << "/v1/echo?x=1" << QByteArray("201 {\"echo\":\"{\\\"a\\\":1}\"}");
        QTest::newRow("wildcard") << "/anything" << QByteArray("200 any");
    }

    void serverAnswersWithItsRoutes()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, expected);
        LocalHttpServer server;
        QVERIFY(server.start());
        server.route("POST", "/v1/echo", [](const LocalHttpServer::Request& request) {
            const QByteArray echo = QByteArray(request.body).replace('"', "\\\"");
            return reply(201, "{\"echo\":\"" + echo + "\"}");
        });
        server.route("POST", "*", [](const auto&) { return reply(200, "any"); });
        QNetworkAccessManager manager;
        const auto result = Waits::waitFor(fetch(manager, server.url(path), "{\"a\":1}"));
        QVERIFY(result.has_value());
        QCOMPARE(*result, expected);
        QCOMPARE(server.requests().size(), 1);
        QCOMPARE(server.requests().first().path, path.toUtf8());
        QCOMPARE(server.requests().first().headers.value("content-type"), QByteArray("application/json"));
    }

    void waitGivesUpOnAHangingServer()
    {
        LocalHttpServer server;
        QVERIFY(server.start());
        server.route("POST", "*", [](const auto&) { return LocalHttpServer::Response { .hang = true }; });
        QNetworkAccessManager manager;
        const auto result = Waits::waitFor(fetch(manager, server.url(QStringLiteral("/")), {}), 300);
        QVERIFY(!result.has_value());
        manager.setAutoDeleteReplies(true);
    }

    void temporaryHomeRedirectsStandardPaths()
    {
        const QString before = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        {
            TempXdgHome home;
            QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), home.configHome());
            QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), home.dataHome());
        }
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), before);
    }
};

QTEST_GUILESS_MAIN(TestSupport)
#include "TestSupport.moc"
