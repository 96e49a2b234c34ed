#include "platform/CancellationToken.h"
#include "platform/HttpClient.h"
#include "support/LocalHttpServer.h"
#include "support/Waits.h"

#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(LocalHttpServer::Response)
Q_DECLARE_METATYPE(HttpClient::Options)

class TestHttpClient : public QObject
{
    Q_OBJECT

    std::unique_ptr<LocalHttpServer> m_server;

    static HttpClient::Response get(
        const QUrl& url, HttpClient::Options options = {}, std::shared_ptr<CancellationToken> cancel = {})
    {
        HttpClient client;
        auto response = Waits::waitFor(client.send(HttpClient::Request::get(url), options, std::move(cancel)));
        return response ? *response
                        : HttpClient::Response { .failure = "never finished", .body = {}, .contentType = {} };
    }

private Q_SLOTS:
    void init()
    {
        m_server = std::make_unique<LocalHttpServer>();
        QVERIFY(m_server->start());
    }
    void cleanup()
    {
        QNetworkProxy::setApplicationProxy(QNetworkProxy());
        m_server.reset();
    }

    void limits_data()
    {
        QTest::addColumn<LocalHttpServer::Response>("served");
        QTest::addColumn<HttpClient::Options>("options");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("status");
        const HttpClient::Options capped { .maxBytes = 1000 }, quick { .deadline = 300ms };
        const QByteArray full(1000, 'x');
        // clang-format off
        QTest::newRow("answer") << reply(200, "casa", "Text/Plain; charset=UTF-8") << capped << "" << 200;
        QTest::newRow("an HTTP error is an answer") << reply(404, "{}") << capped << "" << 404;
        QTest::newRow("as large as the cap") << reply(200, full) << capped << "" << 200;
        QTest::newRow("larger than the cap") << reply(200, full + 'x') << capped << "larger than 1000 bytes" << 0;
        QTest::newRow("server that never answers") << LocalHttpServer::Response { .hang = true } << quick << "timed out" << 0;
        QTest::newRow("answer that trickles in") << LocalHttpServer::Response { .body = full, .trickleMs = 20 } << quick << "timed out" << 0;
        // clang-format on
    }

    void limits()
    {
        QFETCH(LocalHttpServer::Response, served);
        QFETCH(HttpClient::Options, options);
        QFETCH(QString, failure);
        QFETCH(int, status);
        m_server->route("GET", "/word", [=](const auto&) { return served; });
        const HttpClient::Response response = get(m_server->url(QStringLiteral("/word")), options);
        QCOMPARE(response.failure, failure);
        QCOMPARE(response.status, status);
        QCOMPARE(response.body, failure.isEmpty() ? served.body : QByteArray());
        if (status == 200)
            QCOMPARE(response.contentType, served.contentType.split(';').first().toLower());
    }

    void serverThatNeverAccepts()
    {
        // The kernel queues one connection for a server that accepts none, and drops the next
        // attempt's handshake: connecting never ends.
        QTcpServer silent;
        silent.setListenBacklogSize(0);
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        silent.pauseAccepting();
        QTcpSocket filler;
        filler.connectToHost(QHostAddress::LocalHost, silent.serverPort());
        QVERIFY(filler.waitForConnected(5000));
        const QUrl url(QStringLiteral("http://127.0.0.1:%1/").arg(silent.serverPort()));
        QCOMPARE(get(url, { .connectTimeout = 200ms, .deadline = 10s }).failure,
            QStringLiteral("could not connect in time"));
    }

    void proxyRule_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QByteArray>("body");
        // clang-format off
        QTest::newRow("127.0.0.1") << "127.0.0.1" << QByteArray("direct");
        QTest::newRow("localhost") << "localhost" << QByteArray("direct");
        QTest::newRow("elsewhere in 127/8") << "127.0.0.2" << QByteArray(); // nothing listens there QTest::newRow("::1") << "[::1]" << QByteArray();
        QTest::newRow("another host") << "dictionary.invalid" << QByteArray("proxied");
        // clang-format on
    }

    void proxyRule()
    {
        QFETCH(QString, host);
        QFETCH(QByteArray, body);
        // A plain HTTP proxy receives the whole URL in the request line; this one answers itself.
        LocalHttpServer proxy;
        QVERIFY(proxy.start());
        proxy.route("GET", "*", [](const auto&) { return reply(200, "proxied"); });
        QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, "127.0.0.1", proxy.port()));
        m_server->route("GET", "/word", [](const auto&) { return reply(200, "direct"); });
        const QUrl url(QStringLiteral("http://%1:%2/word").arg(host).arg(m_server->port()));
        QCOMPARE(get(url).body, body);
        const bool proxied = body == "proxied";
        QCOMPARE(proxy.requests().size(), proxied ? 1 : 0);
        if (proxied)
            QCOMPARE(proxy.requests().first().path, url.toEncoded());
    }

    void cancellation_data()
    {
        QTest::addColumn<bool>("beforeSending");
        QTest::newRow("before the request") << true;
        QTest::newRow("while the server thinks") << false;
    }

    void cancellation()
    {
        QFETCH(bool, beforeSending);
        m_server->route("GET", "/word", [](const auto&) { return LocalHttpServer::Response { .hang = true }; });
        auto token = std::make_shared<CancellationToken>();
        if (beforeSending)
            token->cancel();
        connect(m_server.get(), &LocalHttpServer::requestReceived, token.get(), &CancellationToken::cancel);
        QCOMPARE(get(m_server->url(QStringLiteral("/word")), {}, token).failure, QStringLiteral("cancelled"));
        QCOMPARE(m_server->requests().size(), beforeSending ? 0 : 1);
    }

    void ownerDestroyedMidFlight()
    {
        auto client = std::make_unique<HttpClient>();
        // The owner goes once the request is out and before the answer is in.
        m_server->route("GET", "/word", [&client](const auto&) {
            client.reset();
            return reply(200, "late");
        });
        auto task = client->send(HttpClient::Request::get(m_server->url(QStringLiteral("/word"))));
        const auto response = Waits::waitFor(std::move(task));
        QVERIFY(!client);
        QVERIFY(response && response->isSuccess());
        QCOMPARE(response->body, QByteArray("late"));
    }
};

QTEST_GUILESS_MAIN(TestHttpClient)
#include "TestHttpClient.moc"
