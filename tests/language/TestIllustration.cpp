#include "language/GeneratedImageService.h"
#include "language/ImageRelevanceService.h"
#include "language/ImageService.h"
#include "language/LanguageModelClient.h"
#include "preferences/DefaultsStore.h"
#include "support/CapturedLog.h"
#include "support/FakeModelServer.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

QByteArray imageBytes(const char* format, QColor colour = Qt::red)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

class TestIllustration : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<DefaultsStore> m_settings;
    std::unique_ptr<FakeModelServer> m_fake; // the model, the encyclopedia and the image server
    std::unique_ptr<LanguageModelClient> m_model;
    std::unique_ptr<ImageRelevanceService> m_relevance;
    std::unique_ptr<ImageService> m_images;
    std::unique_ptr<GeneratedImageService> m_generator;
    std::unique_ptr<CapturedLog> m_log;

    QStringList imageLog() const { return m_log->messages(QStringLiteral("quillmoor.image")); }

    void judge(bool relevant) { m_fake->chat = reply(200, completion(QJsonObject { { "isRelevant", relevant } })); }

    void summary(const QByteArray& title, const QJsonObject& body)
    {
        m_fake->server.route(
            "GET", "/api/rest_v1/page/summary/" + title, [=](const auto&) { return reply(200, json(body)); });
    }

    QJsonObject standard(const QString& thumbnailPath, const QString& extract = QStringLiteral("A domestic cat."))
    {
        return { { "type", "standard" }, { "title", "Cat" }, { "extract", extract },
            { "thumbnail",
                QJsonObject {
                    { "source", m_fake->server.url(thumbnailPath).toString() }, { "width", 8 }, { "height", 6 } } } };
    }

    std::optional<Illustration> encyclopedia(
        const QString& word, const QString& sentence = QStringLiteral("The cat sleeps."))
    {
        return Waits::waitFor(m_images->fetchWikipediaImage(word, sentence)).value_or(std::nullopt);
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        m_settings = std::make_unique<DefaultsStore>(m_home->defaultsFile());
        m_fake = std::make_unique<FakeModelServer>();
        judge(true);
        m_settings->setValue(LanguageModelClient::kBaseUrlKey, m_fake->server.url(QStringLiteral("/v1")).toString());
        m_settings->setValue(ImageService::kBaseUrlKey, m_fake->server.url().toString());
        m_model = std::make_unique<LanguageModelClient>(*m_settings);
        m_relevance = std::make_unique<ImageRelevanceService>(*m_model);
        m_images = std::make_unique<ImageService>(*m_settings, *m_relevance);
        m_generator = std::make_unique<GeneratedImageService>(
            *m_settings, GeneratedImageService::Options { .retryDelay = std::chrono::milliseconds(50) });
        m_log = std::make_unique<CapturedLog>();
    }
    void cleanup()
    {
        m_log.reset();
        m_generator.reset();
        m_images.reset();
        m_relevance.reset();
        m_model.reset();
        m_fake.reset();
        m_settings.reset();
        m_home.reset();
    }

    void relevantThumbnailIsKept_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("extension");
        // clang-format off
        QTest::newRow("jpeg kept as it is") << QByteArray("JPEG") << "/thumb/Cat.jpg" << "jpg";
        QTest::newRow("no extension") << QByteArray("JPEG") << "/thumb/Cat" << "jpg";
        QTest::newRow("png re-encoded") << QByteArray("PNG") << "/thumb/Cat.png" << "png";
        QTest::newRow("bmp becomes png") << QByteArray("BMP") << "/thumb/Cat.bmp" << "png";
        // clang-format on
    }

    void relevantThumbnailIsKept()
    {
        QFETCH(QByteArray, format);
        QFETCH(QString, path);
        QFETCH(QString, extension);
        const QByteArray bytes = imageBytes(format.constData());
        summary("Cat", standard(path));
        m_fake->server.route("GET", path.toUtf8(), [=](const auto&) { return reply(200, bytes, "image/jpeg"); });
        const std::optional<Illustration> image = encyclopedia(QStringLiteral("Cat"));
        QVERIFY(image);
        QCOMPARE(image->fileExtension, extension);
        QVERIFY(!QImage::fromData(image->data).isNull());
        if (format == "JPEG")
            QCOMPARE(image->data, bytes);
        // The model saw the word, the sentence and the article's summary.
        QCOMPARE(m_fake->chatRequests(), 1);
        const QString prompt = m_fake->lastChatBody()["messages"].toArray().at(1).toObject()["content"].toString();
        for (const char* part : { "Cat", "The cat sleeps.", "A domestic cat." })
            QVERIFY2(prompt.contains(part), qPrintable(prompt));
        for (const auto& request : m_fake->server.requests()) {
            if (!request.path.startsWith("/v1/"))
                QVERIFY(request.headers.value("user-agent").startsWith("Quillmoor/"));
        }
    }

    void rejected_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("disambiguation page") << "disambiguation";
        QTest::newRow("no thumbnail") << "nothumb";
        QTest::newRow("invalid thumbnail url") << "badurl";
        QTest::newRow("not relevant") << "irrelevant";
        QTest::newRow("thumbnail 404") << "404";
        QTest::newRow("html instead of an image") << "html";
        QTest::newRow("oversize image") << "huge";
        QTest::newRow("summary not json") << "garbage";
    }

    void rejected()
    {
        QFETCH(QString, kind);
        QJsonObject body = standard(QStringLiteral("/thumb/Cat.jpg"));
        if (kind == QLatin1String("disambiguation"))
            body.insert(QStringLiteral("type"), QStringLiteral("disambiguation"));
        if (kind == QLatin1String("nothumb"))
            body.remove(QStringLiteral("thumbnail"));
        if (kind == QLatin1String("badurl"))
            body.insert(QStringLiteral("thumbnail"), QJsonObject { { "source", "::not a url::" } });
        judge(kind != QLatin1String("irrelevant"));
        if (kind == QLatin1String("garbage"))
            m_fake->server.route(
                "GET", "/api/rest_v1/page/summary/Cat", [](const auto&) { return reply(200, "<html>"); });
        else
            summary("Cat", body);
        m_fake->server.route("GET", "/thumb/Cat.jpg", [=](const auto&) {
            if (kind == QLatin1String("404"))
                return reply(404, imageBytes("JPEG"), "image/jpeg");
            if (kind == QLatin1String("html"))
                return reply(200, "<!DOCTYPE html><p>Too many requests</p>", "text/html");
            if (kind == QLatin1String("huge"))
                return reply(200, imageBytes("JPEG") + QByteArray(6 * 1024 * 1024, 'x'), "image/jpeg");
            return reply(200, imageBytes("JPEG"), "image/jpeg");
        });
        QCOMPARE(encyclopedia(QStringLiteral("Cat")), std::nullopt);
        const bool judged = kind == QLatin1String("irrelevant") || kind == QLatin1String("404")
            || kind == QLatin1String("html") || kind == QLatin1String("huge");
        QCOMPARE(m_fake->chatRequests(), judged ? 1 : 0);
        if (kind == QLatin1String("irrelevant"))
            QVERIFY(
                imageLog().contains(QStringLiteral("Image for \"Cat\" filtered out as not relevant: A domestic cat.")));
    }

    void acceptedWithoutAskingTheModel_data()
    {
        QTest::addColumn<bool>("modelServes");
        QTest::addColumn<QString>("extract");
        QTest::newRow("model unavailable") << false << "A domestic cat.";
        QTest::newRow("no summary text") << true << "";
    }

    void acceptedWithoutAskingTheModel()
    {
        QFETCH(bool, modelServes);
        QFETCH(QString, extract);
        m_fake->modelsStatus = modelServes ? 200 : 503;
        judge(false); // would reject if it were asked
        summary("Cat", standard(QStringLiteral("/thumb/Cat.jpg"), extract));
        m_fake->server.route(
            "GET", "/thumb/Cat.jpg", [](const auto&) { return reply(200, imageBytes("JPEG"), "image/jpeg"); });
        QVERIFY(encyclopedia(QStringLiteral("Cat")));
        QCOMPARE(m_fake->chatRequests(), 0);
    }

    void relevanceErrorAcceptsTheImage()
    {
        m_fake->chat = reply(500, "{\"error\":\"boom\"}");
        summary("Cat", standard(QStringLiteral("/thumb/Cat.jpg")));
        m_fake->server.route(
            "GET", "/thumb/Cat.jpg", [](const auto&) { return reply(200, imageBytes("JPEG"), "image/jpeg"); });
        QVERIFY(encyclopedia(QStringLiteral("Cat")));
        QVERIFY(!imageLog().filter(QStringLiteral("Relevance check failed: ")).isEmpty());
    }

    void titlesArePercentEncoded_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("space") << "New York" << QByteArray("/api/rest_v1/page/summary/New%20York");
        QTest::newRow("slash") << "AC/DC" << QByteArray("/api/rest_v1/page/summary/AC%2FDC");
        QTest::newRow("non-ASCII") << "Zürich" << QByteArray("/api/rest_v1/page/summary/Z%C3%BCrich");
        QTest::newRow("case kept") << "apple" << QByteArray("/api/rest_v1/page/summary/apple");
    }

    void titlesArePercentEncoded()
    {
        QFETCH(QString, word);
        QFETCH(QByteArray, path);
        m_fake->server.route("GET", "*", [](const auto&) { return reply(404, "{\"type\":\"not_found\"}"); });
        QCOMPARE(encyclopedia(word), std::nullopt);
        QCOMPARE(m_fake->server.requests().size(), 1);
        QCOMPARE(m_fake->server.requests().first().path, path);
    }

    void generation_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("requests");
        QTest::addColumn<bool>("image");
        QTest::addColumn<QStringList>("logged");
        // clang-format off
        QTest::newRow("off") << "off" << 0 << false << QStringList {};
        QTest::newRow("png") << "png" << 1 << true << QStringList {};
        QTest::newRow("jpeg stored as png") << "jpeg" << 1 << true << QStringList {};
        QTest::newRow("creation fails twice") << "500" << 2 << false << QStringList { "Illustration generation failed for \"cat\" (attempt 1)", "Illustration generation failed for \"cat\" (attempt 2)" };
        QTest::newRow("then succeeds") << "500-then-png" << 2 << true << QStringList { "Illustration generation failed for \"cat\" (attempt 1)" };
        QTest::newRow("refused request is not retried") << "400" << 1 << false << QStringList { "Illustration generation failed for \"cat\" (attempt 1)" };
        QTest::newRow("corrupt image") << "corrupt" << 1 << false << QStringList { "Illustration generation failed for \"cat\" (attempt 1)" };
        QTest::newRow("server down") << "down" << 0 << false << QStringList { "Illustration generation failed for \"cat\": " };
        // clang-format on
    }

    void generation()
    {
        QFETCH(QString, kind);
        QFETCH(int, requests);
        QFETCH(bool, image);
        QFETCH(QStringList, logged);
        int served = 0;
        if (kind == QLatin1String("down"))
            m_settings->setValue(GeneratedImageService::kUrlKey, QStringLiteral("http://localhost:1/v1"));
        else if (kind != QLatin1String("off"))
            m_settings->setValue(GeneratedImageService::kUrlKey, m_fake->server.url(QStringLiteral("/v1")).toString());
        m_fake->server.route("POST", "/v1/images/generations", [&](const auto&) {
            ++served;
            if (kind == QLatin1String("500") || (kind == QLatin1String("500-then-png") && served == 1))
                return reply(500, "{\"error\":\"out of memory\"}");
            if (kind == QLatin1String("400"))
                return reply(400, "{\"error\":\"unsupported size\"}");
            const QByteArray picture = kind == QLatin1String("corrupt")
                ? QByteArray("not an image")
                : imageBytes(kind == QLatin1String("jpeg") ? "JPEG" : "PNG");
            return reply(200,
                json({ { "created", 1 },
                    { "data",
                        QJsonArray { QJsonObject { { "b64_json", QString::fromLatin1(picture.toBase64()) } } } } }));
        });
        const auto result
            = Waits::waitFor(m_generator->generateImage(QStringLiteral("cat"), QStringLiteral("The cat sleeps.")));
        QVERIFY(result);
        QCOMPARE(result->has_value(), image);
        QCOMPARE(served, requests);
        if (image) {
            QCOMPARE((*result)->fileExtension, QStringLiteral("png"));
            QCOMPARE(QImage::fromData((*result)->data, "PNG").size(), QSize(8, 6));
        }
        QStringList failures = imageLog().filter(QStringLiteral("Illustration generation failed"));
        QCOMPARE(failures.size(), logged.size());
        for (qsizetype i = 0; i < logged.size(); ++i)
            QVERIFY2(failures[i].startsWith(logged[i]), qPrintable(failures[i]));
        if (served > 0) {
            const QJsonObject body = QJsonDocument::fromJson(m_fake->server.requests().first().body).object();
            QVERIFY(body.value(QStringLiteral("prompt")).toString().contains(QStringLiteral("The cat sleeps.")));
            QCOMPARE(body.value(QStringLiteral("response_format")).toString(), QStringLiteral("b64_json"));
            QCOMPARE(body.value(QStringLiteral("n")).toInt(), 1);
        }
    }
};

QTEST_MAIN(TestIllustration)
#include "TestIllustration.moc"
