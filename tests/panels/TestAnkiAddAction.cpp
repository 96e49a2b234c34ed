#include "panels/AnkiAddAction.h"
#include "store/VocabCardStore.h"
#include "support/LookupRig.h"
#include "support/Waits.h"

#include <QBuffer>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

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

// Saving a looked-up word: the own-deck card first, then the Anki note and a picture for both.
class TestAnkiAddAction : public QObject
{
    Q_OBJECT

    std::unique_ptr<LookupRig> m_rig;

    std::unique_ptr<AnkiAddAction> action(const QString& deckPreference = QStringLiteral("  "))
    {
        LookupServices& s = m_rig->services();
        return std::make_unique<AnkiAddAction>(
            AnkiAddAction::Services { s.vocabulary, s.anki, s.encyclopedia, s.generator }, deckPreference);
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

    QStringList actions() const
    {
        QStringList names;
        for (const LocalHttpServer::Request& request : m_rig->anki().requests())
            names << QJsonDocument::fromJson(request.body).object().value("action").toString();
        return names;
    }

    QJsonObject params(const QString& action, int nth = 0) const
    {
        return m_rig->ankiRequests(action).value(nth).value("params").toObject();
    }

private Q_SLOTS:
    void init()
    {
        m_rig = std::make_unique<LookupRig>();
        // The encyclopedia has a picture of a house; the language model is down, so it is taken.
        m_rig->web().route("GET", "/api/rest_v1/page/summary/House", [this](const auto&) {
            const QJsonObject summary { { "type", "standard" }, { "extract", "A house is a building." },
                { "thumbnail",
                    QJsonObject { { "source", m_rig->web().url(QStringLiteral("/t/House.jpg")).toString() } } } };
            return reply(200, QJsonDocument(summary).toJson());
        });
        m_rig->web().route("GET", "/t/House.jpg", [](const auto&) { return reply(200, jpeg(), "image/jpeg"); });
    }

    void cleanup() { m_rig.reset(); }

    void fields_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("front");
        // clang-format off
        QTest::newRow("first occurrence, any case") << QStringLiteral("house") << "House and house." << "house<br><br><b>House</b> and house.";
        QTest::newRow("no sentence") << QStringLiteral("casa") << "" << "casa";
        QTest::newRow("word not in sentence") << QStringLiteral("ran") << "He runs." << "ran<br><br>He runs.";
        QTest::newRow("hostile word") << QStringLiteral("<script>") << "a & b <script>alert(1)</script>" << "&lt;script&gt;<br><br>a &amp; b <b>&lt;script&gt;</b>alert(1)&lt;/script&gt;";
        QTest::newRow("quotes") << QStringLiteral("\"x\"") << "say \"x\" now" << "&quot;x&quot;<br><br>say <b>&quot;x&quot;</b> now";
        // clang-format on
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

        QCOMPARE(actions(),
            (QStringList { "createDeck", "storeMediaFile", "addNote", "storeMediaFile", "updateNoteFields" }));
        QCOMPARE(params("createDeck").value("deck").toString(), QStringLiteral("Quillmoor"));
        const QJsonObject fields = params("addNote").value("note").toObject().value("fields").toObject();
        QVERIFY(fields.value("Front").toString().startsWith(
            QStringLiteral("House<br><br>The old <b>house</b> stood on the hill.<br>[sound:")));
        QCOMPARE(fields.value("Back").toString(), QStringLiteral("дом<br><br>Старый дом стоял на холме."));
        QCOMPARE(params("updateNoteFields").value("note").toObject().value("id").toInteger(), FakeAnkiConnect::kNoteId);

        QCOMPARE(m_rig->store().cardCount(), 1);
        const auto card = m_rig->store().cardWithMedia(*add->savedCardId());
        QVERIFY(card);
        QCOMPARE(card->translatedWord, QStringLiteral("дом"));
        QCOMPARE(card->deckName, QStringLiteral("EN → RU"));
        QCOMPARE(card->pronunciationAudio, QByteArray("ID3 audio bytes"));
        QCOMPARE(card->imageFileExtension, QStringLiteral("jpg"));
        QCOMPARE(card->imageData, jpeg());

        // After success the button does nothing.
        QVERIFY(Waits::waitFor(add->run(content())));
        QCOMPARE(m_rig->store().cardCount(), 1);
        QCOMPARE(actions().count(QStringLiteral("addNote")), 1);
    }

    void retryAfterAnkiFailureAddsNoSecondCard()
    {
        bool refuse = true;
        m_rig->anki().route("POST", "/", [&](const auto&) {
            return reply(200,
                refuse ? R"({"result":null,"error":"cannot create note because it is a duplicate"})"
                       : R"({"result":1,"error":null})");
        });
        VocabCardContent silent = content();
        silent.pronunciationAudio.reset(); // no audio: the note goes out without a media file
        auto add = action(QStringLiteral("Inglés"));
        QVERIFY(Waits::waitFor(add->run(silent)));
        QCOMPARE(add->state().kind, AnkiAddState::Kind::Failure);
        QVERIFY(add->state().message.contains(QStringLiteral("cannot create note because it is a duplicate")));
        QCOMPARE(m_rig->store().cardCount(), 1); // the own-deck card stays saved
        QCOMPARE(actions(), (QStringList { "createDeck", "addNote" }));
        QCOMPARE(params("createDeck").value("deck").toString(), QStringLiteral("Inglés"));
        refuse = false;
        QVERIFY(Waits::waitFor(add->run(silent)));
        QCOMPARE(add->state(), AnkiAddState::success());
        QCOMPARE(m_rig->store().cardCount(), 1);
        QCOMPARE(actions().count(QStringLiteral("addNote")), 2);
    }

    void unsavedCardSendsNoNote()
    {
        // A second connection to the store's file makes it refuse new cards for a while.
        auto refusing = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("refusing"));
        refusing.setDatabaseName(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/cards.sqlite"));
        QVERIFY(refusing.open());
        QVERIFY(QSqlQuery(refusing).exec(QStringLiteral(
            "CREATE TRIGGER refuse BEFORE INSERT ON vocab_card BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        auto add = action();
        QVERIFY(Waits::waitFor(add->run(content())));
        QCOMPARE(add->state().kind, AnkiAddState::Kind::Failure);
        QVERIFY(m_rig->anki().requests().isEmpty());
        QCOMPARE(add->savedCardId(), std::nullopt);
        // Once the store can write again, the retry saves the card and sends the note.
        QVERIFY(QSqlQuery(refusing).exec(QStringLiteral("DROP TRIGGER refuse")));
        refusing.close();
        refusing = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("refusing"));
        QVERIFY(Waits::waitFor(add->run(content())));
        QCOMPARE(add->state(), AnkiAddState::success());
        QCOMPARE(m_rig->store().cardCount(), 1);
    }
};

QTEST_MAIN(TestAnkiAddAction)
#include "TestAnkiAddAction.moc"
