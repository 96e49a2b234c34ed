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
#include "support/FakeAnkiConnect.h"
#include "support/TempXdgHome.h"

#include <QApplication>
#include <QCursor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
// X.h's status macros collide with ordinary names.
#undef Success

// The application's main job on a real desktop: a GTK window shows a sentence, the learner holds
// Alt over a word, the card shows the word and its offline translation, and the add button
// stores one card and sends one note to Anki.
class TestLookupEndToEnd : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempXdgHome> m_home;
    FakeAnkiConnect m_anki;
    LocalHttpServer m_web; // the language model, dictionary and encyclopedia: all unavailable (not found)
    Display* m_driver = nullptr;
    QProcess m_window;

    void key(KeySym symbol, bool down)
    {
        XTestFakeKeyEvent(m_driver, XKeysymToKeycode(m_driver, symbol), down ? True : False, CurrentTime);
        XFlush(m_driver);
    }

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

    // Holds the trigger over the point until the card shows (a loaded machine may answer late).
    void holdTriggerUntilShown(const QPointF& at, QWidget& panel, int attempts, int waitMs)
    {
        XTestFakeMotionEvent(m_driver, -1, int(at.x()), int(at.y()), CurrentTime);
        XFlush(m_driver);
        QTest::qWait(100);
        for (int attempt = 0; attempt < attempts && !panel.isVisible(); ++attempt) {
            key(XK_Alt_L, true);
            // Onto the card before the trigger goes, as the learner does to reach its button.
            if (QTest::qWaitFor([&] { return panel.isVisible(); }, waitMs)) {
                const QPoint inside = panel.geometry().center();
                XTestFakeMotionEvent(m_driver, -1, inside.x(), inside.y(), CurrentTime);
                XFlush(m_driver);
                (void)QTest::qWaitFor([&] { return QCursor::pos() == inside; }, 1000);
            }
            key(XK_Alt_L, false);
            QTest::qWait(200);
        }
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
        m_driver = XOpenDisplay(nullptr);
        QVERIFY(m_driver);
        QVERIFY(m_web.start());
        m_web.route("POST", "*", [](const auto&) { return reply(503, "{}"); });
    }

    void cleanup()
    {
        m_window.kill();
        m_window.waitForFinished(3000);
    }

    void cleanupTestCase()
    {
        if (m_driver)
            XCloseDisplay(m_driver);
    }

    void holdAltOverAWord_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<bool>("accessible");
        QTest::newRow("read through accessibility, then added")
            << "The house is on the hill." << QStringLiteral("house") << "casa" << true;
        // No accessibility text under the pointer: the word is read from the screen.
        QTest::newRow("read from the screen")
            << "The garden behind the house is quiet." << QStringLiteral("garden") << "jardín" << false;
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
        holdTriggerUntilShown(at, panel, accessible ? 4 : 3, accessible ? 2000 : 8000);
        QVERIFY(panel.isVisible());
        CaptureOverlayView* card = app->overlayPanel()->view();
        QCOMPARE(card->model().word(), word);
        QCOMPARE(card->model().sentence(), sentence);
        QTRY_COMPARE_WITH_TIMEOUT(card->model().translatedWord(), std::optional(translation), 15000);
        if (!accessible)
            return;
        QVERIFY(!card->model().translationFailed());
        QVERIFY(panel.geometry().contains(at.toPoint() + QPoint(20, 20)));

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
    }
};

QTEST_MAIN(TestLookupEndToEnd)
#include "TestLookupEndToEnd.moc"
