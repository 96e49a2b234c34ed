#include "language/DictionaryEntry.h"
#include "language/PronunciationService.h"
#include "platform/SpeechSynthesizer.h"
#include "preferences/DefaultsStore.h"
#include "support/LocalHttpServer.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// Speech that answers at once and remembers what it was asked.
class RecordingSpeech : public SpeechSynthesizer
{
public:
    QStringList synthesized;
    bool fails = false;

    QCoro::Task<std::optional<QByteArray>> synthesize(QString text, QString languageCode) override
    {
        synthesized << text + QLatin1Char('|') + languageCode;
        if (fails)
            co_return std::nullopt;
        co_return QByteArray("RIFF-") + text.toUtf8();
    }
    QCoro::Task<std::optional<QString>> transcribe(QString text, QString languageCode) override
    {
        co_return QStringLiteral("ipa:") + text + QLatin1Char(':') + languageCode;
    }
};

QByteArray entries(const QJsonArray& list)
{
    return QJsonDocument(list).toJson(QJsonDocument::Compact);
}

QJsonObject entry(const QJsonValue& phonetic, const QJsonArray& phonetics)
{
    QJsonObject object { { "word", "x" }, { "phonetics", phonetics } };
    if (!phonetic.isUndefined())
        object.insert(QStringLiteral("phonetic"), phonetic);
    return object;
}

const char kMp3Bytes[] = "ID3\x04\x00\x00\x00\x00\x00\x00 frames";
const QByteArray kMp3(kMp3Bytes, sizeof(kMp3Bytes) - 1);
const QByteArray kUnknownWord = R"({"title":"No Definitions Found","message":"Sorry pal"})";

} // namespace

class TestPronunciationService : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<DefaultsStore> m_settings;
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<RecordingSpeech> m_speech;
    std::unique_ptr<PronunciationService> m_service;

    PronunciationResult fetch(const QString& word, const std::optional<QString>& code)
    {
        const auto result = Waits::waitFor(m_service->fetch(word, code));
        if (!result)
            qWarning("fetch did not finish");
        return result.value_or(PronunciationResult {});
    }

    QStringList entryPaths() const
    {
        QStringList paths;
        for (const auto& request : m_server->requests()) {
            if (request.path.startsWith("/api/v2/entries/"))
                paths << QString::fromUtf8(request.path);
        }
        return paths;
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        m_settings = std::make_unique<DefaultsStore>(m_home->defaultsFile());
        m_server = std::make_unique<LocalHttpServer>();
        QVERIFY(m_server->start());
        m_settings->setValue(PronunciationService::kBaseUrlKey, m_server->url().toString());
        m_speech = std::make_unique<RecordingSpeech>();
        m_service = std::make_unique<PronunciationService>(*m_settings, *m_speech);
    }
    void cleanup()
    {
        m_service.reset();
        m_server.reset();
        m_settings.reset();
        m_home.reset();
    }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("decodes");
        QTest::addColumn<QString>("phonetic");
        QTest::addColumn<QString>("audio");
        // clang-format off
        QTest::newRow("phonetic key wins") << entries({ entry("/haʊs/", { QJsonObject { { "text", "/hɑʊs/" } } }) }) << true << "/haʊs/" << "";
        QTest::newRow("first non-empty text") << entries({ entry(QJsonValue::Undefined, { QJsonObject { { "text", "" } }, QJsonObject { { "text", "/a/" }, { "audio", "" } }, QJsonObject { { "audio", "//x/y.mp3" } } }) }) << true << "/a/" << "//x/y.mp3";
        QTest::newRow("only the first entry") << entries({ entry(QJsonValue::Undefined, {}), entry("/b/", { QJsonObject { { "audio", "http://b" } } }) }) << true << "" << "";
        QTest::newRow("an entry without phonetics spoils the body") << entries({ entry("/a/", {}), QJsonObject { { "word", "b" } } }) << false << "" << "";
        QTest::newRow("wrong type") << entries({ entry(7, {}) }) << false << "" << "";
        QTest::newRow("empty array") << QByteArray("[]") << false << "" << "";
        QTest::newRow("error object") << kUnknownWord << false << "" << "";
        QTest::newRow("html") << QByteArray("<html>404</html>") << false << "" << "";
        // clang-format on
    }

    void decoding()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, decodes);
        QFETCH(QString, phonetic);
        QFETCH(QString, audio);
        const std::optional<DictionaryEntry> first = DictionaryEntry::firstOf(body);
        QCOMPARE(first.has_value(), decodes);
        if (!first)
            return;
        QCOMPARE(first->transcription().value_or(QString()), phonetic);
        QCOMPARE(first->audioLink().value_or(QString()), audio);
    }

    void chineseGoesStraightToSynthesis()
    {
        const PronunciationResult result = fetch(QStringLiteral("学习"), QStringLiteral("zh"));
        QVERIFY(m_server->requests().isEmpty());
        QCOMPARE(result.audioData, QByteArray("RIFF-学习"));
        QCOMPARE(result.audioFileExtension, QStringLiteral("wav"));
        QCOMPARE(result.phonetic, std::nullopt);
    }

    void recordingFromTheDictionary()
    {
        const QByteArray link = m_server->url(QStringLiteral("/media/house.mp3")).toEncoded();
        m_server->route("GET", "/api/v2/entries/en/house", [&](const auto&) {
            return reply(200, entries({ entry("/haʊs/", { QJsonObject { { "audio", QString::fromUtf8(link) } } }) }));
        });
        m_server->route("GET", "/media/house.mp3", [](const auto&) { return reply(200, kMp3, "audio/mpeg"); });
        const PronunciationResult result = fetch(QStringLiteral("house"), QStringLiteral("en"));
        QCOMPARE(result.phonetic, QStringLiteral("/haʊs/"));
        QCOMPARE(result.audioData, kMp3);
        QCOMPARE(result.audioFileExtension, QStringLiteral("mp3"));
        QVERIFY(m_speech->synthesized.isEmpty());
        for (const auto& request : m_server->requests())
            QVERIFY(request.headers.value("user-agent").startsWith("Quillmoor/"));
    }

    void fallbacks_data()
    {
        QTest::addColumn<QString>("recordingKind");
        QTest::addColumn<QString>("expectedPhonetic");
        // Whatever goes wrong with the recording, the dictionary's transcription stays.
        // clang-format off
        QTest::newRow("phonetic, no links") << "none" << "/kaza/";
        QTest::newRow("recording 404") << "404" << "/kaza/";
        QTest::newRow("html error page with 200") << "html" << "/kaza/";
        QTest::newRow("empty recording") << "empty" << "/kaza/";
        QTest::newRow("scheme-less link over https to a plain server") << "schemeless" << "/kaza/";
        // clang-format on
    }

    void fallbacks()
    {
        QFETCH(QString, recordingKind);
        QFETCH(QString, expectedPhonetic);
        const QString link = recordingKind == QLatin1String("none") ? QString()
            : recordingKind == QLatin1String("schemeless")
            ? QStringLiteral("//127.0.0.1:%1/media/casa.mp3").arg(m_server->port())
            : m_server->url(QStringLiteral("/media/casa.mp3")).toString();
        QJsonArray phonetics;
        if (!link.isEmpty())
            phonetics.append(QJsonObject { { "audio", link } });
        m_server->route("GET", "/api/v2/entries/es/casa",
            [=](const auto&) { return reply(200, entries({ entry("/kaza/", phonetics) })); });
        m_server->route("GET", "/media/casa.mp3", [=](const auto&) {
            if (recordingKind == QLatin1String("404"))
                return reply(404, kMp3, "audio/mpeg");
            if (recordingKind == QLatin1String("html"))
                return reply(200, "<!DOCTYPE html><html>oops</html>", "text/html");
            return reply(200, recordingKind == QLatin1String("empty") ? QByteArray() : kMp3, "audio/mpeg");
        });
        const PronunciationResult result = fetch(QStringLiteral("casa"), QStringLiteral("es"));
        QCOMPARE(result.phonetic, expectedPhonetic);
        QCOMPARE(result.audioData, QByteArray("RIFF-casa"));
        QCOMPARE(result.audioFileExtension, QStringLiteral("wav"));
        QCOMPARE(m_speech->synthesized, QStringList { "casa|es" });
    }

    void unknownWordIsSynthesizedWithItsTranscription()
    {
        m_server->route("GET", "*", [](const auto&) { return reply(404, kUnknownWord); });
        const PronunciationResult result = fetch(QStringLiteral("zorblax"), QStringLiteral("en"));
        QCOMPARE(result.audioData, QByteArray("RIFF-zorblax"));
        QCOMPARE(result.phonetic, QStringLiteral("/ipa:zorblax:en/"));
    }

    void japaneseRetriesDictionaryForms()
    {
        m_server->route("GET", "*", [](const LocalHttpServer::Request& request) {
            if (QUrl::fromPercentEncoding(request.path).endsWith(QStringLiteral("/食べる")))
                return reply(200, entries({ entry("/taberu/", {}) }));
            return reply(404, kUnknownWord);
        });
        const PronunciationResult result = fetch(QStringLiteral("食べました"), QStringLiteral("ja"));
        QStringList tried;
        for (const QString& path : entryPaths())
            tried << QUrl::fromPercentEncoding(path.toUtf8()).section(QLatin1Char('/'), -1);
        QVERIFY(tried.size() >= 2);
        QCOMPARE(tried.first(), QStringLiteral("食べました"));
        QCOMPARE(tried.last(), QStringLiteral("食べる")); // the search ends at the first answer
        QCOMPARE(result.phonetic, QStringLiteral("/taberu/"));
        // Kanji cannot be read by the synthesizer: no audio rather than a wrong one.
        QCOMPARE(result.audioData, std::nullopt);
        QVERIFY(m_speech->synthesized.isEmpty());
    }

    void kanaIsSynthesized()
    {
        m_server->route("GET", "*", [](const auto&) { return reply(404, kUnknownWord); });
        const PronunciationResult result = fetch(QStringLiteral("たべる"), QStringLiteral("ja"));
        QCOMPARE(result.audioData, QByteArray("RIFF-たべる"));
        QCOMPARE(result.phonetic, QStringLiteral("/ipa:たべる:ja/"));
    }

    void wordsStayOnePathSegment_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("slash") << "AC/DC" << QByteArray("/api/v2/entries/en/AC%2FDC");
        QTest::newRow("dot-dot is no word") << ".." << QByteArray();
        QTest::newRow("space and query") << "ice cream?x=1" << QByteArray("/api/v2/entries/en/ice%20cream%3Fx%3D1");
        QTest::newRow("non-ASCII") << "café" << QByteArray("/api/v2/entries/en/caf%C3%A9");
    }

    void wordsStayOnePathSegment()
    {
        QFETCH(QString, word);
        QFETCH(QByteArray, path);
        m_server->route("GET", "*", [](const auto&) { return reply(404, kUnknownWord); });
        const PronunciationResult result = fetch(word, QStringLiteral("en"));
        QVERIFY(result.audioData);
        if (path.isEmpty()) {
            QVERIFY(m_server->requests().isEmpty());
            return;
        }
        QCOMPARE(m_server->requests().size(), 1);
        QCOMPARE(m_server->requests().first().path, path);
    }

    void noLanguageNoTranscription()
    {
        m_speech->fails = true;
        const PronunciationResult result = fetch(QStringLiteral("word"), std::nullopt);
        QVERIFY(m_server->requests().isEmpty());
        QCOMPARE(result.phonetic, std::nullopt);
        QCOMPARE(result.audioData, std::nullopt);
        QCOMPARE(m_speech->synthesized, QStringList { "word|" });
    }
};

QTEST_GUILESS_MAIN(TestPronunciationService)
#include "TestPronunciationService.moc"
