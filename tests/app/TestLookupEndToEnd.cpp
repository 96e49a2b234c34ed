#include "anki/AnkiConnectService.h"
#include "app/QuillmoorApp.h"
#include "language/GeneratedImageService.h"
#include "language/ImageService.h"
#include "language/LanguageModelClient.h"
#include "language/PronunciationService.h"
#include "panels/CaptureOverlayWindow.h"
#include "panels/LookupCardModel.h"
#include "preferences/Preferences.h"
#include "store/CardStores.h"
#include "store/VocabCardStore.h"
#include "support/AccessibleTexts.h"
#include "support/FakeAnkiConnect.h"
#include "support/TempXdgHome.h"
#include "support/XTestDriver.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <X11/keysym.h>

// The application's main job on a real desktop: a GTK window shows a sentence, the learner holds
// Alt over a word, the card shows the word and its offline translation, and the add button
// stores one card and sends one note to Anki.
class TestLookupEndToEnd : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempXdgHome> m_home;
    FakeAnkiConnect m_anki;
    LocalHttpServer m_web; // the language model, dictionary and encyclopedia: all unavailable (not found)
    XTestDriver m_driver;
    QProcess m_window;

    void key(unsigned long symbol, bool down) { m_driver.key(m_driver.keycode(symbol), down); }

    // A new home whose settings point every remote service at the fakes.
    void freshHome()
    {
        m_home = std::make_unique<TempXdgHome>();
        Preferences seed(m_home->defaultsFile());
        seed.onboarding().setHasCompletedOnboarding(true);
        seed.translation().setStudyLanguageCode(QStringLiteral("en"));
        seed.translation().setTargetLanguageCode(QStringLiteral("es"));
        seed.store().setValue(AnkiConnectService::kUrlKey, m_anki.server.url().toString());
        seed.store().setValue(LanguageModelClient::kBaseUrlKey, m_web.url(QStringLiteral("/v1")).toString());
        seed.store().setValue(PronunciationService::kBaseUrlKey, m_web.url().toString());
        seed.store().setValue(ImageService::kBaseUrlKey, m_web.url().toString());
        seed.store().setValue(GeneratedImageService::kUrlKey, m_web.url(QStringLiteral("/images")).toString());
    }

    // Presses the trigger over the point until the card shows (a loaded machine may answer late);
    // the trigger stays held once it has.
    bool pressTriggerUntilShown(const QPointF& at, QWidget& panel, int attempts, int waitMs)
    {
        m_driver.moveTo(at.toPoint());
        QTest::qWait(100);
        for (int attempt = 0; attempt < attempts; ++attempt) {
            key(XK_Alt_L, true);
            if (QTest::qWaitFor([&] { return panel.isVisible(); }, waitMs))
                return true;
            key(XK_Alt_L, false);
            QTest::qWait(200);
        }
        return false;
    }

    // The trigger released with the pointer away from the card: the card goes, also on the first
    // lookup after launch, and results that arrive later do not bring it back.
    void releaseHidesForGood(QWidget& panel)
    {
        key(XK_Alt_L, false);
        QTRY_VERIFY_WITH_TIMEOUT(!panel.isVisible(), 3000);
        QTest::qWait(1500);
        QVERIFY(!panel.isVisible());
    }

    // accessible off: the window keeps out of the accessibility bus, as games and video players do.
    QPointF openWindow(const QString& sentence, const QString& word, bool accessible = true)
    {
        const QJsonObject setup { { "x", 60 }, { "y", 80 }, { "lines", QJsonArray { sentence } },
            { "words", QJsonArray { QJsonValue(QJsonArray { 0, word }) } } };
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!accessible)
            environment.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
        m_window.setProcessEnvironment(environment);
        m_window.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_window.start(QStringLiteral("/usr/bin/python3"),
            { QString::fromUtf8(qgetenv("QM_SOURCE_DIR")) + QStringLiteral("/tests/capture/gtk_text_window.py"),
                QString::fromUtf8(QJsonDocument(setup).toJson(QJsonDocument::Compact)) });
        if (!m_window.waitForStarted(5000) || !m_window.waitForReadyRead(15000))
            return {};
        const QJsonValue point = QJsonDocument::fromJson(m_window.readLine())[QStringLiteral("points")][0];
        QTest::qWait(300); // the toolkit's accessibility bridge registers the window
        return { point[0].toDouble(), point[1].toDouble() };
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            QSKIP("needs the test desktop (scripts/test)");
        QVERIFY(m_driver.isOpen());
        QVERIFY(m_web.start());
        m_web.route("POST", "*", [](const auto&) { return reply(503, "{}"); });
    }

    void cleanup()
    {
        m_window.kill();
        m_window.waitForFinished(3000);
    }

    void holdAltOverAWord_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<bool>("accessible");
        // clang-format off
        QTest::newRow("read through accessibility, then added") << "The house is on the hill." << QStringLiteral("house") << "casa" << true;
        // clang-format on
        // No accessibility text under the pointer: the word is read from the screen.
        // clang-format off
        QTest::newRow("read from the screen") << "The garden behind the house is quiet." << QStringLiteral("garden") << "jardín" << false;
        // clang-format on
    }

    void holdAltOverAWord()
    {
        QFETCH(QString, sentence);
        QFETCH(QString, word);
        QFETCH(QString, translation);
        QFETCH(bool, accessible);
        freshHome();
        const auto app
            = QuillmoorApp::create({ m_home->defaultsFile(), m_home->diagnosticsFile(), m_home->cardsFile() });
        QVERIFY(app);
        app->start();
        QVERIFY(app->overlayPanel());
        const QPointF at = openWindow(sentence, word, accessible);
        QVERIFY(!at.isNull());
        QWidget& panel = app->overlayPanel()->window();
        const auto release = qScopeGuard([this] { key(XK_Alt_L, false); });
        QVERIFY(pressTriggerUntilShown(at, panel, accessible ? 4 : 3, accessible ? 2000 : 8000));
        CaptureOverlayView* card = app->overlayPanel()->view();
        QCOMPARE(card->model().word(), word);
        QCOMPARE(card->model().sentence(), sentence);
        QTRY_COMPARE_WITH_TIMEOUT(card->model().translatedWord(), std::optional(translation), 15000);
        if (!accessible) {
            releaseHidesForGood(panel);
            return;
        }
        QVERIFY(!card->model().translationFailed());
        QVERIFY(panel.geometry().contains(at.toPoint() + QPoint(20, 20)));
        // A screen reader reads every line of the card, the painted sentence included.
        QTRY_VERIFY_WITH_TIMEOUT(card->model().translatedSentence().has_value(), 15000);
        QStringList read;
        QTRY_VERIFY_WITH_TIMEOUT((read = accessibleTextsOfThisProcess()).contains(sentence), 10000);
        QVERIFY2(
            read.contains(word) && read.contains(translation) && read.contains(*card->model().translatedSentence()),
            qPrintable(read.join(QLatin1Char('|'))));

        auto* add = card->findChild<QPushButton*>(QStringLiteral("add"));
        // After the whole translation run (a refinement disables the button while it lasts).
        QTRY_VERIFY_WITH_TIMEOUT(card->model().translatedSentence().has_value(), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(add->isEnabled(), 15000);
        QTest::mouseClick(add, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(card->model().ankiState().kind, AnkiAddState::Kind::Success, 10000);
        const QList<VocabCard> cards = app->stores().vocabulary().allCards();
        QCOMPARE(cards.size(), 1);
        QCOMPARE(cards.first().word, word);
        QCOMPARE(cards.first().translatedWord, translation);
        QCOMPARE(m_anki.requests(QStringLiteral("addNote")).size(), 1);
        releaseHidesForGood(panel);
    }
};

QTEST_MAIN(TestLookupEndToEnd)
#include "TestLookupEndToEnd.moc"
