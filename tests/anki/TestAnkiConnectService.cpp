#include "anki/AnkiConnectService.h"
#include "preferences/DefaultsStore.h"
#include "support/FakeAnkiConnect.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QTest>

namespace {

template <typename T> T valueOf(const std::optional<AnkiConnectService::Result<T>>& result)
{
    if (!result || !std::holds_alternative<T>(*result))
        return T {};
    return std::get<T>(*result);
}

} // namespace

class TestAnkiConnectService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addNoteWithoutAudio()
    {
        FakeAnkiConnect anki;
        anki.answer(QStringLiteral("addNote"), ankiAnswer(1733567890123LL));
        AnkiConnectService service(anki.server.url(QStringLiteral("/")));
        const auto result = Waits::waitFor(service.addNote(QStringLiteral("Deck::Sub"), QStringLiteral("<b>casa</b>"),
            QStringLiteral("house"), std::nullopt, QStringLiteral("mp3")));
        QVERIFY(result && std::holds_alternative<AnkiConnectService::AddedNote>(*result));
        const auto added = std::get<AnkiConnectService::AddedNote>(*result);
        QCOMPARE(added.noteId, std::optional<qint64>(1733567890123LL));
        QCOMPARE(added.frontHTML, QStringLiteral("<b>casa</b>"));
        QCOMPARE(anki.actions(), (QStringList { "createDeck", "addNote" }));

        const QJsonObject create = anki.requests().value(0);
        QCOMPARE(create.value(QStringLiteral("version")).toInt(), 6);
        QCOMPARE(anki.params(0), (QJsonObject { { "deck", "Deck::Sub" } }));
        const QJsonObject note = anki.params(1).value(QStringLiteral("note")).toObject();
        QCOMPARE(note.value(QStringLiteral("deckName")).toString(), QStringLiteral("Deck::Sub"));
        QCOMPARE(note.value(QStringLiteral("modelName")).toString(), QStringLiteral("Basic"));
        QCOMPARE(note.value(QStringLiteral("fields")).toObject(),
            (QJsonObject { { "Front", "<b>casa</b>" }, { "Back", "house" } }));
        QCOMPARE(note.value(QStringLiteral("options")).toObject(), (QJsonObject { { "allowDuplicate", false } }));
        QCOMPARE(note.value(QStringLiteral("tags")).toArray(), (QJsonArray { "quilmoor3" }));
        QVERIFY(!anki.server.requests().at(0).headers.contains("authorization"));
    }

    void addNoteWithAudioUsesTheStoredName()
    {
        FakeAnkiConnect anki;
        anki.answer(QStringLiteral("storeMediaFile"), ankiAnswer(QStringLiteral("quillmoor3-ABCDEF12_1.mp3")));
        anki.answer(QStringLiteral("addNote"), ankiAnswer(42));
        AnkiConnectService service(anki.server.url(QStringLiteral("/")));
        const QByteArray audio("ID3\x00\x01binary\xff", 12);
        const auto added = valueOf(Waits::waitFor(service.addNote(
            QStringLiteral("D"), QStringLiteral("casa"), QStringLiteral("house"), audio, QStringLiteral("mp3"))));
        QCOMPARE(anki.actions(), (QStringList { "createDeck", "storeMediaFile", "addNote" }));
        const QJsonObject media = anki.params(1);
        QVERIFY(QRegularExpression(QStringLiteral("^quillmoor3-[0-9A-F]{8}\\.mp3$"))
                    .match(media.value(QStringLiteral("filename")).toString())
                    .hasMatch());
        QCOMPARE(QByteArray::fromBase64(media.value(QStringLiteral("data")).toString().toLatin1()), audio);
        QVERIFY(!media.value(QStringLiteral("data")).toString().contains(QLatin1Char('\n')));
        QCOMPARE(added.frontHTML, QStringLiteral("casa<br>[sound:quillmoor3-ABCDEF12_1.mp3]"));
        const QJsonObject fields = anki.params(2).value("note").toObject().value("fields").toObject();
        QCOMPARE(fields.value(QStringLiteral("Front")).toString(), added.frontHTML);
        QCOMPARE(added.noteId, std::optional<qint64>(42));
    }

    void unsafeStoredNameIsNotTrusted()
    {
        FakeAnkiConnect anki;
        anki.answer(QStringLiteral("storeMediaFile"), ankiAnswer(QStringLiteral("x\" onerror=\"alert(1).png")));
        AnkiConnectService service(anki.server.url(QStringLiteral("/")));
        const auto result
            = Waits::waitFor(service.attachImage(7, QStringLiteral("casa"), "PNG", QStringLiteral("png")));
        QVERIFY(result && std::holds_alternative<AnkiConnectService::Done>(*result));
        const QString sent = anki.params(0).value(QStringLiteral("filename")).toString();
        const QJsonObject note = anki.params(1).value(QStringLiteral("note")).toObject();
        QCOMPARE(note.value(QStringLiteral("id")).toInteger(), 7);
        QCOMPARE(note.value(QStringLiteral("fields")).toObject(),
            (QJsonObject { { "Front", QStringLiteral("casa<br><img src=\"") + sent + QStringLiteral("\">") } }));
    }

    void nullResultGivesNoNoteId()
    {
        FakeAnkiConnect anki;
        anki.answer(QStringLiteral("addNote"), ankiAnswer(QJsonValue::Null));
        AnkiConnectService service(anki.server.url(QStringLiteral("/")));
        const auto result = Waits::waitFor(service.addNote("D", "f", "b", std::nullopt, "mp3"));
        QVERIFY(result && std::holds_alternative<AnkiConnectService::AddedNote>(*result));
        QCOMPARE(std::get<AnkiConnectService::AddedNote>(*result).noteId, std::nullopt);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("description");
        // clang-format off
        QTest::newRow("duplicate") << "addNote" << ankiAnswer(QJsonValue::Null, "cannot create note because it is a duplicate") << int(AnkiConnectError::Kind::AnkiError) << "Anki вернул ошибку: cannot create note because it is a duplicate";
        QTest::newRow("wrong api version") << "addNote" << ankiAnswer(QJsonValue::Null, "unsupported action") << int(AnkiConnectError::Kind::AnkiError) << "Anki вернул ошибку: unsupported action";
        QTest::newRow("html page") << "addNote" << QByteArray("<html>Jupyter</html>") << int(AnkiConnectError::Kind::InvalidResponse) << "Anki прислал неожиданный ответ.";
        QTest::newRow("json array") << "addNote" << QByteArray("[1]") << int(AnkiConnectError::Kind::InvalidResponse) << "Anki прислал неожиданный ответ.";
        QTest::newRow("media refused") << "storeMediaFile" << ankiAnswer(QJsonValue::Null, "disk full") << int(AnkiConnectError::Kind::AnkiError) << "Anki вернул ошибку: disk full";
        QTest::newRow("deck refusal is ignored, note fails") << "createDeck" << ankiAnswer(QJsonValue::Null, "deck name invalid") << -1 << "";
        // clang-format on
    }

    void failures()
    {
        QFETCH(QString, action);
        QFETCH(QByteArray, reply);
        QFETCH(int, kind);
        QFETCH(QString, description);
        FakeAnkiConnect anki;
        anki.answer(action, reply);
        AnkiConnectService service(anki.server.url(QStringLiteral("/")));
        const auto result = Waits::waitFor(service.addNote("D", "f", "b", QByteArray("mp3data"), "mp3"));
        QVERIFY(result);
        if (kind < 0) {
            QVERIFY(std::holds_alternative<AnkiConnectService::AddedNote>(*result));
            QCOMPARE(anki.actions(), (QStringList { "createDeck", "storeMediaFile", "addNote" }));
            return;
        }
        QVERIFY(std::holds_alternative<AnkiConnectError>(*result));
        const AnkiConnectError error = std::get<AnkiConnectError>(*result);
        QCOMPARE(int(error.kind()), kind);
        QCOMPARE(error.description(), description);
    }

    void noAnswerIsAConnectionFailure_data()
    {
        QTest::addColumn<bool>("listening");
        QTest::newRow("Anki not running") << false;
        QTest::newRow("Anki silent past the time limit") << true;
    }

    void noAnswerIsAConnectionFailure()
    {
        QFETCH(bool, listening);
        FakeAnkiConnect anki;
        anki.queued[QStringLiteral("addNote")] << LocalHttpServer::Response { .hang = true };
        const QUrl endpoint = listening ? anki.server.url(QStringLiteral("/")) : QUrl("http://127.0.0.1:1/");
        AnkiConnectService service(endpoint, { .timeout = std::chrono::milliseconds(300) });
        const auto result = Waits::waitFor(service.addNote("D", "f", "b", std::nullopt, "mp3"));
        QVERIFY(result && std::holds_alternative<AnkiConnectError>(*result));
        QCOMPARE(std::get<AnkiConnectError>(*result).kind(), AnkiConnectError::Kind::ConnectionFailed);
        QVERIFY(std::get<AnkiConnectError>(*result).description().startsWith(
            QStringLiteral("Не удалось подключиться к Anki.")));
    }

    void mediaNamesAreFresh()
    {
        const QString a = AnkiConnectService::makeMediaFileName(QStringLiteral("png"));
        const QString b = AnkiConnectService::makeMediaFileName(QStringLiteral("png"));
        QVERIFY(a != b);
        QVERIFY(a.startsWith(QStringLiteral("quillmoor3-")) && a.endsWith(QStringLiteral(".png")));
        QCOMPARE(a.size(), 11 + 8 + 4);
    }

    void endpointSetting_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("endpoint");
        // clang-format off
        QTest::newRow("unset") << "" << "http://127.0.0.1:8765";
        QTest::newRow("other port") << "http://127.0.0.1:9876" << "http://127.0.0.1:9876";
        QTest::newRow("not http") << "ftp://127.0.0.1:1" << "http://127.0.0.1:8765";
        QTest::newRow("garbage") << "::::" << "http://127.0.0.1:8765";
        // clang-format on
    }

    void endpointSetting()
    {
        QFETCH(QString, stored);
        QFETCH(QString, endpoint);
        TempXdgHome home;
        DefaultsStore store(home.defaultsFile());
        if (!stored.isEmpty())
            store.setValue(AnkiConnectService::kUrlKey, stored);
        QCOMPARE(AnkiConnectService::endpointFromSettings(store), QUrl(endpoint));
    }
};

QTEST_GUILESS_MAIN(TestAnkiConnectService)
#include "TestAnkiConnectService.moc"
