#include "anki/AnkiConnectService.h"
#include "language/GeneratedImageService.h"
#include "language/ImageRelevanceService.h"
#include "language/ImageService.h"
#include "language/LanguageModelClient.h"
#include "panels/AnkiAddAction.h"
#include "preferences/DefaultsStore.h"
#include "store/CardDatabase.h"
#include "store/VocabCardStore.h"
#include "support/FakeAnkiConnect.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

Q_DECLARE_METATYPE(AnkiAddState)

namespace {

QByteArray jpeg()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

} // namespace

class TestAnkiAddAction : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<DefaultsStore> m_settings;
    std::unique_ptr<FakeAnkiConnect> m_fake; // AnkiConnect and the encyclopedia
    LocalHttpServer* m_server = nullptr;
    std::unique_ptr<CardDatabase> m_database;
    std::unique_ptr<VocabCardStore> m_store;
    std::unique_ptr<AnkiConnectService> m_anki;
    std::unique_ptr<LanguageModelClient> m_model;
    std::unique_ptr<ImageRelevanceService> m_relevance;
    std::unique_ptr<ImageService> m_images;
    std::unique_ptr<GeneratedImageService> m_generator;

    std::unique_ptr<AnkiAddAction> action(const QString& deckPreference = QStringLiteral("  "))
    {
        return std::make_unique<AnkiAddAction>(
            AnkiAddAction::Services { *m_store, *m_anki, *m_images, *m_generator }, deckPreference);
    }

    static VocabCardContent content()
    {
        VocabCardContent c;
        c.word = QStringLiteral("House");
        c.sentence = QStringLiteral("The old house stood on the hill.");
        c.translatedWord = QStringLiteral("дом");
        c.translatedSentence = QStringLiteral("Старый дом стоял на холме.");
        c.phonetic = QStringLiteral("/haʊs/");
        c.pronunciationAudio = QByteArray("ID3 audio bytes");
        c.deckName = AnkiAddAction::deckLabel(QStringLiteral("en"), QStringLiteral("ru"));
        return c;
    }

    QJsonObject params(const QString& name, int nth = 0) const
    {
        return m_fake->requests(name).value(nth).value(QStringLiteral("params")).toObject();
    }

    int storedCards() const
    {
        QSqlQuery q(m_database->db());
        return q.exec(QStringLiteral("SELECT COUNT(*) FROM vocab_card")) && q.next() ? q.value(0).toInt() : -1;
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        m_settings = std::make_unique<DefaultsStore>(m_home->defaultsFile());
        m_fake = std::make_unique<FakeAnkiConnect>();
        m_server = &m_fake->server;
        m_server->route("GET", "/api/rest_v1/page/summary/House", [this](const auto&) {
            const QJsonObject summary { { "type", "standard" }, { "extract", "A house is a building." },
                { "thumbnail",
                    QJsonObject { { "source", m_server->url(QStringLiteral("/t/House.jpg")).toString() } } } };
            return reply(200, QJsonDocument(summary).toJson());
        });
        m_server->route("GET", "/t/House.jpg", [](const auto&) { return reply(200, jpeg(), "image/jpeg"); });
        m_settings->setValue(ImageService::kBaseUrlKey, m_server->url().toString());
        // No model server: every standard thumbnail is accepted.
        m_settings->setValue(LanguageModelClient::kBaseUrlKey, m_server->url(QStringLiteral("/none/v1")).toString());

        QString error;
        m_database = CardDatabase::open(CardDatabase::defaultFilePath(), &error);
        QVERIFY2(m_database, qPrintable(error));
        m_store = std::make_unique<VocabCardStore>(*m_database);
        m_anki = std::make_unique<AnkiConnectService>(m_server->url(QStringLiteral("/")));
        m_model = std::make_unique<LanguageModelClient>(*m_settings);
        m_relevance = std::make_unique<ImageRelevanceService>(*m_model);
        m_images = std::make_unique<ImageService>(*m_settings, *m_relevance);
        m_generator = std::make_unique<GeneratedImageService>(*m_settings);
    }
    void cleanup()
    {
        m_generator.reset();
        m_images.reset();
        m_relevance.reset();
        m_model.reset();
        m_anki.reset();
        m_store.reset();
        m_database.reset();
        m_fake.reset();
        m_settings.reset();
        m_home.reset();
    }

    void fields_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("front");
        QTest::newRow("first occurrence, any case") << "house"
                                                    << "House and house."
                                                    << "house<br><br><b>House</b> and house.";
        QTest::newRow("no sentence") << "casa"
                                     << ""
                                     << "casa";
        QTest::newRow("word not in sentence") << "ran"
                                              << "He runs."
                                              << "ran<br><br>He runs.";
        QTest::newRow("hostile word") << "<script>"
                                      << "a & b <script>alert(1)</script>"
                                      << "&lt;script&gt;<br><br>a &amp; b <b>&lt;script&gt;</b>alert(1)&lt;/script&gt;";
        QTest::newRow("quotes") << "\"x\""
                                << "say \"x\" now"
                                << "&quot;x&quot;<br><br>say <b>&quot;x&quot;</b> now";
    }

    void fields()
    {
        QFETCH(QString, word);
        QFETCH(QString, sentence);
        QFETCH(QString, front);
        QCOMPARE(AnkiAddAction::frontHtml(word, sentence), front);
    }

    void backs()
    {
        VocabCardContent c;
        QCOMPARE(AnkiAddAction::backHtml(c), QString());
        c.phonetic = QStringLiteral("/a/");
        QCOMPARE(AnkiAddAction::backHtml(c), QStringLiteral("/a/"));
        c.etymology = QStringLiteral("From <Latin> casa");
        QCOMPARE(AnkiAddAction::backHtml(c), QStringLiteral("<i>From &lt;Latin&gt; casa</i>"));
        c.translatedWord = QStringLiteral("дом & сад");
        c.translatedSentence = QStringLiteral("Дом.");
        QCOMPARE(AnkiAddAction::backHtml(c),
            QStringLiteral("дом &amp; сад<br><br>Дом.<br><br><i>From &lt;Latin&gt; casa</i>"));
        c.meaning = QStringLiteral("a building");
        QCOMPARE(AnkiAddAction::backHtml(c), QStringLiteral("a building<br><br><i>From &lt;Latin&gt; casa</i>"));
        QCOMPARE(AnkiAddAction::deckLabel(QStringLiteral("en"), QStringLiteral("ru")), QStringLiteral("EN → RU"));
        QCOMPARE(AnkiAddAction::deckLabel(std::nullopt, QStringLiteral("")), QStringLiteral("? → ?"));
        QCOMPARE(AnkiAddAction::ankiDeckName(QStringLiteral("  Spanish  ")), QStringLiteral("Spanish"));
        QCOMPARE(AnkiAddAction::ankiDeckName(QStringLiteral(" ")), QStringLiteral("Quillmoor"));
    }

    void addsCardNoteAndPicture()
    {
        auto add = action();
        QSignalSpy states(add.get(), &AnkiAddAction::stateChanged);
        QSignalSpy pictured(add.get(), &AnkiAddAction::illustrationAttached);
        QVERIFY(Waits::waitFor(add->run(content())));
        QCOMPARE(add->state(), AnkiAddState::success());
        QCOMPARE(states.count(), 2); // loading, success
        QCOMPARE(pictured.count(), 1);

        QCOMPARE(m_fake->actions(),
            (QStringList { "createDeck", "storeMediaFile", "addNote", "storeMediaFile", "updateNoteFields" }));
        QCOMPARE(params("createDeck").value(QStringLiteral("deck")).toString(), QStringLiteral("Quillmoor"));
        QCOMPARE(QByteArray::fromBase64(params("storeMediaFile").value(QStringLiteral("data")).toString().toLatin1()),
            QByteArray("ID3 audio bytes"));
        const QString audioName = params("storeMediaFile").value(QStringLiteral("filename")).toString();
        const QJsonObject note = params("addNote").value(QStringLiteral("note")).toObject();
        const QJsonObject noteFields = note.value(QStringLiteral("fields")).toObject();
        QCOMPARE(noteFields.value(QStringLiteral("Front")).toString(),
            QStringLiteral("House<br><br>The old <b>house</b> stood on the hill.<br>[sound:") + audioName + ']');
        QCOMPARE(noteFields.value(QStringLiteral("Back")).toString(),
            QStringLiteral("дом<br><br>Старый дом стоял на холме."));
        const QJsonObject update = params("updateNoteFields").value(QStringLiteral("note")).toObject();
        QCOMPARE(update.value(QStringLiteral("id")).toInteger(), FakeAnkiConnect::kNoteId);
        QVERIFY(update.value(QStringLiteral("fields"))
                    .toObject()
                    .value(QStringLiteral("Front"))
                    .toString()
                    .contains(QStringLiteral("<img src=\"")));

        QCOMPARE(storedCards(), 1);
        const auto card = m_store->cardWithMedia(*add->savedCardId());
        QVERIFY(card);
        QCOMPARE(card->translatedWord, QStringLiteral("дом"));
        QCOMPARE(card->deckName, QStringLiteral("EN → RU"));
        QCOMPARE(card->pronunciationAudio, QByteArray("ID3 audio bytes"));
        QCOMPARE(card->imageFileExtension, QStringLiteral("jpg"));
        QCOMPARE(card->imageData, jpeg());

        // After success the button does nothing.
        QVERIFY(Waits::waitFor(add->run(content())));
        QCOMPARE(storedCards(), 1);
        QCOMPARE(m_fake->actions().count(QStringLiteral("addNote")), 1);
    }

    void retryAfterAnkiFailureAddsNoSecondCard()
    {
        m_fake->answer(
            QStringLiteral("addNote"), ankiAnswer(QJsonValue::Null, "cannot create note because it is a duplicate"));
        auto add = action(QStringLiteral("Inglés"));
        QVERIFY(Waits::waitFor(add->run(content())));
        QCOMPARE(add->state().kind, AnkiAddState::Kind::Failure);
        QCOMPARE(
            add->state().message, QStringLiteral("Anki вернул ошибку: cannot create note because it is a duplicate"));
        QCOMPARE(storedCards(), 1); // the own-deck card stays saved
        QVERIFY(!m_fake->actions().contains(QStringLiteral("updateNoteFields")));
        QVERIFY(Waits::waitFor(add->run(content())));
        QCOMPARE(add->state(), AnkiAddState::success());
        QCOMPARE(storedCards(), 1);
        QCOMPARE(m_fake->actions().count(QStringLiteral("addNote")), 2);
        QCOMPARE(params("createDeck").value(QStringLiteral("deck")).toString(), QStringLiteral("Inglés"));
    }

    void ankiNotRunning()
    {
        m_anki = std::make_unique<AnkiConnectService>(QUrl(QStringLiteral("http://127.0.0.1:1/")));
        auto add = action();
        QVERIFY(Waits::waitFor(add->run(content())));
        QCOMPARE(add->state().kind, AnkiAddState::Kind::Failure);
        QVERIFY(add->state().message.startsWith(QStringLiteral("Не удалось подключиться к Anki.")));
        QCOMPARE(storedCards(), 1);
    }

    void unsavedCardSendsNoNote()
    {
        QVERIFY(QSqlQuery(m_database->db()).exec(QStringLiteral("PRAGMA query_only = 1")));
        auto add = action();
        QVERIFY(Waits::waitFor(add->run(content())));
        QCOMPARE(add->state(), AnkiAddState::failure(QStringLiteral("Не удалось сохранить карточку в Quillmoor.")));
        QVERIFY(m_fake->requests().isEmpty());
        QCOMPARE(add->savedCardId(), std::nullopt);
        // Once the store can write again, the retry saves the card and sends the note.
        QVERIFY(QSqlQuery(m_database->db()).exec(QStringLiteral("PRAGMA query_only = 0")));
        QVERIFY(Waits::waitFor(add->run(content())));
        QCOMPARE(add->state(), AnkiAddState::success());
        QCOMPARE(storedCards(), 1);
    }

    void hostileTextsReachAnkiLiterally()
    {
        VocabCardContent c = content();
        c.word = QStringLiteral("<img src=x onerror=alert(1)>");
        c.sentence = QStringLiteral("Try <img src=x onerror=alert(1)> & see");
        c.translatedWord = QStringLiteral("<b>bold</b>");
        c.pronunciationAudio.reset();
        auto add = action();
        QVERIFY(Waits::waitFor(add->run(c)));
        const QJsonObject noteFields
            = params("addNote").value(QStringLiteral("note")).toObject().value(QStringLiteral("fields")).toObject();
        QVERIFY(!noteFields.value(QStringLiteral("Front")).toString().contains(QStringLiteral("<img src=x")));
        QVERIFY(noteFields.value(QStringLiteral("Front"))
                    .toString()
                    .contains(QStringLiteral("&lt;img src=x onerror=alert(1)&gt;")));
        QCOMPARE(
            noteFields.value(QStringLiteral("Back")).toString().left(25), QStringLiteral("&lt;b&gt;bold&lt;/b&gt;<b"));
        // The own deck keeps the plain text.
        QCOMPARE(m_store->allCards().first().word, c.word);
    }
};

QTEST_MAIN(TestAnkiAddAction)
#include "TestAnkiAddAction.moc"
