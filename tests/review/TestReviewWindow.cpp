#include "app/AppDelegate.h"
#include "app/InterfaceTranslator.h"
#include "app/QuillmoorApp.h"
#include "app/ReviewWindowController.h"
#include "app/SectionWindow.h"
#include "app/TrayIconController.h"
#include "preferences/Preferences.h"
#include "review/ReviewView.h"
#include "review/StatsView.h"
#include "store/VocabCardStore.h"
#include "support/CapturedLog.h"
#include "support/TempCardStore.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

class TestReviewWindow : public QObject, TempCardStore<VocabCardStore>
{
    Q_OBJECT

    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<ReviewView> m_view;
    int m_checks = 0;

    // A card due `minutesAgo` minutes before now.
    qint64 addDue(const QString& word, int minutesAgo, const QString& deck = QStringLiteral("ES → RU"),
        VocabCardContent content = {})
    {
        content.word = word;
        content.translatedWord = word + QStringLiteral(" (перевод)");
        content.sentence = QStringLiteral("Una frase con ") + word + QLatin1Char('.');
        content.deckName = deck;
        const std::optional<VocabCard> card = store().addCard(content);
        if (!card)
            return 0;
        exec(QStringLiteral("UPDATE vocab_card SET due_date = ? WHERE id = ?"),
            { now.addSecs(-60 * minutesAgo).toMSecsSinceEpoch(), card->id });
        return card->id;
    }

    ReviewView& open()
    {
        ReviewView::Options options;
        options.clock = [this] { return now; };
        options.afterRating = [this] { ++m_checks; };
        m_view = std::make_unique<ReviewView>(store(), m_preferences->interfaceLanguage(), options);
        m_view->resize(440, 540);
        m_view->show();
        m_view->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(m_view.get())); }();
        return *m_view;
    }

    template <typename T = QWidget> T* find(const char* name)
    {
        T* child = m_view->findChild<T*>(QString::fromLatin1(name));
        [&] { QVERIFY2(child, name); }();
        return child;
    }
    QString text(const char* label) { return find<QLabel>(label)->text(); }
    bool shown(const char* name) { return find(name)->isVisibleTo(m_view.get()); }

    // "3" is a press, "3r" an auto-repeated press of a held key, "space" the space bar.
    void press(const QString& key)
    {
        const bool repeat = key.endsWith(QLatin1Char('r'));
        const QString name = repeat ? key.chopped(1) : key;
        const Qt::Key code = name == QLatin1String("space") ? Qt::Key_Space : Qt::Key(Qt::Key_0 + name.toInt());
        const QString typed = code == Qt::Key_Space ? QStringLiteral(" ") : name;
        QTest::simulateEvent(m_view.get(), true, code, Qt::NoModifier, typed, repeat);
        QTest::simulateEvent(m_view.get(), false, code, Qt::NoModifier, typed, repeat);
    }

    int logCount() { return rows(QStringLiteral("SELECT COUNT(*) FROM review_log")).value(0).toInt(); }

private Q_SLOTS:
    void init()
    {
        openStore("Europe/Berlin");
        m_preferences = std::make_unique<Preferences>(m_home->defaultsFile());
        m_checks = 0;
    }

    void cleanup()
    {
        m_view.reset();
        m_preferences.reset();
        closeStore();
    }

    void oneCardAtATimeToTheEmptyState()
    {
        addDue(QStringLiteral("perro"), 60 * 24);
        addDue(QStringLiteral("gato"), 60);
        addDue(QStringLiteral("casa"), 5);
        addDue(QStringLiteral("luna"), -30); // not due yet
        open();
        const QStringList words { "perro", "gato", "casa" };
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(text("progressLabel"), QStringLiteral("%1 из 3").arg(i + 1));
            QCOMPARE(text("cardWord"), words[i]);
            QVERIFY(shown("showAnswerButton") && !shown("rateGood") && !shown("cardTranslation"));
            if (i == 0)
                press(QStringLiteral("space"));
            else
                QTest::mouseClick(find<QPushButton>("showAnswerButton"), Qt::LeftButton);
            QVERIFY(!shown("showAnswerButton") && shown("rateGood"));
            QCOMPARE(text("cardTranslation"), words[i] + QStringLiteral(" (перевод)"));
            if (i == 1)
                press(QStringLiteral("4"));
            else
                QTest::mouseClick(find<QPushButton>(i == 0 ? "rateAgain" : "rateHard"), Qt::LeftButton);
        }
        QVERIFY(shown("emptyState") && !shown("progressLabel"));
        QCOMPARE(text("emptyTitle"), QStringLiteral("Всё повторено!"));
        QCOMPARE(rows(QStringLiteral("SELECT rating FROM review_log ORDER BY id")), (QStringList { "1", "4", "2" }));
        QCOMPARE(m_checks, 3);
        // Nothing is left to press.
        press(QStringLiteral("space"));
        press(QStringLiteral("3"));
        QCOMPARE(logCount(), 3);
    }

    void durationFromShownToRated()
    {
        addDue(QStringLiteral("perro"), 10);
        addDue(QStringLiteral("gato"), 5);
        open();
        now = now.addSecs(7); // reading the front
        press(QStringLiteral("space"));
        now = now.addSecs(5);
        press(QStringLiteral("3"));
        now = now.addMSecs(2500); // the next card is timed from the rating
        press(QStringLiteral("space"));
        press(QStringLiteral("3"));
        QCOMPARE(
            rows(QStringLiteral("SELECT duration_seconds FROM review_log ORDER BY id")), (QStringList { "12", "2.5" }));
    }

    void keysWorkOnlyInTheirPhase_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("logs");
        QTest::addColumn<QString>("progress");
        QTest::addColumn<bool>("answerShown");
        QTest::newRow("1–4 on the front") << "1,2,3,4" << 0 << "1 из 3" << false;
        QTest::newRow("space on the back") << "space,space" << 0 << "1 из 3" << true;
        QTest::newRow("a repeat of a key held before") << "space,3r" << 0 << "1 из 3" << true;
        QTest::newRow("a held key rates once") << "space,3,3r,3r,3r" << 1 << "2 из 3" << false;
        QTest::newRow("a held space shows the answer only") << "space,spacer,spacer,2" << 1 << "2 из 3" << false;
    }

    void keysWorkOnlyInTheirPhase()
    {
        QFETCH(QString, keys);
        QFETCH(int, logs);
        QFETCH(QString, progress);
        QFETCH(bool, answerShown);
        for (const char* word : { "uno", "dos", "tres" })
            addDue(QString::fromLatin1(word), 10);
        open();
        for (const QString& key : keys.split(QLatin1Char(',')))
            press(key);
        QCOMPARE(logCount(), logs);
        QCOMPARE(text("progressLabel"), progress);
        QCOMPARE(shown("rateGood"), answerShown);
    }

    void changingTheDeckRestartsThePass()
    {
        addDue(QStringLiteral("perro"), 30, QStringLiteral("ES → RU"));
        addDue(QStringLiteral("Hund"), 20, QStringLiteral("DE → RU"));
        addDue(QStringLiteral("gato"), 10, QStringLiteral("ES → RU"));
        open();
        auto* picker = find<QComboBox>("deckPicker");
        QCOMPARE(picker->count(), 3);
        QCOMPARE(picker->itemText(0), QStringLiteral("Все колоды"));
        QCOMPARE(picker->itemText(1), QStringLiteral("DE → RU"));
        QCOMPARE(picker->focusPolicy(), Qt::NoFocus);
        press(QStringLiteral("space"));
        press(QStringLiteral("3"));
        QCOMPARE(text("progressLabel"), QStringLiteral("2 из 3"));
        press(QStringLiteral("space"));

        picker->setCurrentIndex(2);
        Q_EMIT picker->activated(2);
        QCOMPARE(text("progressLabel"), QStringLiteral("1 из 1"));
        QCOMPARE(text("cardWord"), QStringLiteral("gato"));
        QVERIFY(!shown("rateGood"));
        picker->setCurrentIndex(0);
        Q_EMIT picker->activated(0);
        QCOMPARE(text("progressLabel"), QStringLiteral("1 из 2"));
        QCOMPARE(text("cardWord"), QStringLiteral("Hund"));
    }

    void aRatingTheStoreDidNotKeepStaysOnTheCard()
    {
        addDue(QStringLiteral("perro"), 10);
        addDue(QStringLiteral("gato"), 5);
        open();
        exec(QStringLiteral("CREATE TRIGGER full_disk BEFORE INSERT ON review_log"
                            " BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END"));
        press(QStringLiteral("space"));
        press(QStringLiteral("3"));
        QCOMPARE(text("progressLabel"), QStringLiteral("1 из 2"));
        QCOMPARE(text("cardWord"), QStringLiteral("perro"));
        QVERIFY(shown("reviewError") && shown("rateGood"));
        QCOMPARE(m_checks, 0);
        QCOMPARE(rows(QStringLiteral("SELECT reps FROM vocab_card ORDER BY id")), (QStringList { "0", "0" }));

        exec(QStringLiteral("DROP TRIGGER full_disk"));
        QTest::mouseClick(find<QPushButton>("rateGood"), Qt::LeftButton);
        QCOMPARE(text("progressLabel"), QStringLiteral("2 из 2"));
        QVERIFY(!shown("reviewError"));
        QCOMPARE(m_checks, 1);
    }

    void answerSideAndABrokenRecording()
    {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        picture.save(&png, "PNG");
        // On the heap: GCC 12 with the sanitizers warns falsely about the optional strings of a local one.
        const auto content = std::make_unique<VocabCardContent>();
        content->translatedSentence = QStringLiteral("Фраза с собакой.");
        content->etymology = QStringLiteral("del latín vulgar");
        content->phonetic = QStringLiteral("/ˈpero/");
        content->pronunciationAudio = QByteArray("ID3 this is no recording at all", 31);
        content->imageData = png.data();
        content->imageFileExtension = QStringLiteral("png");
        addDue(QStringLiteral("perro"), 10, QStringLiteral("ES → RU"), *content);
        addDue(QStringLiteral("gato"), 5);
        open();
        QVERIFY(shown("playAudioButton") && shown("cardPhonetic"));
        QVERIFY(!shown("cardPicture") && !shown("cardEtymology") && !shown("cardTranslatedSentence"));
        QCOMPARE(find<QPushButton>("playAudioButton")->focusPolicy(), Qt::NoFocus);
        CapturedLog log;
        QTest::mouseClick(find<QPushButton>("playAudioButton"), Qt::LeftButton);
        QTRY_VERIFY(!log.messages(QStringLiteral("quillmoor.review"))
                         .filter(QStringLiteral("Audio playback failed: "))
                         .isEmpty());

        press(QStringLiteral("space"));
        QVERIFY(shown("cardPicture") && !find<QLabel>("cardPicture")->pixmap().isNull());
        QVERIFY(find<QLabel>("cardPicture")->pixmap().deviceIndependentSize().height() <= 160);
        QCOMPARE(text("cardTranslatedSentence"), QStringLiteral("Фраза с собакой."));
        QCOMPARE(text("cardEtymology"), QStringLiteral("del latín vulgar"));
        QVERIFY(find<QLabel>("cardEtymology")->font().italic());
        press(QStringLiteral("3"));
        // A card without a recording has no button to press.
        QVERIFY(!shown("playAudioButton") && !shown("cardPhonetic"));
    }

    void textsFollowTheInterfaceLanguage()
    {
        InterfaceTranslator translator(m_preferences->interfaceLanguage());
        addDue(QStringLiteral("perro"), 10);
        addDue(QStringLiteral("gato"), 5);
        open();
        m_preferences->interfaceLanguage().setLanguageCode(QStringLiteral("en"));
        QTRY_COMPARE(text("progressLabel"), QStringLiteral("1 of 2"));
        QCOMPARE(find<QPushButton>("segmentStats")->text(), QStringLiteral("Statistics"));
        QCOMPARE(find<QComboBox>("deckPicker")->itemText(0), QStringLiteral("All decks"));
        QTest::mouseClick(find<QPushButton>("segmentStats"), Qt::LeftButton);
        QCOMPARE(text("todayLine"), QStringLiteral("No reviews yet today"));
        m_preferences->interfaceLanguage().setLanguageCode(QStringLiteral("fr"));
        QTRY_COMPARE(text("todayLine"), QStringLiteral("Aucune révision aujourd’hui pour l’instant"));
        m_preferences->interfaceLanguage().setLanguageCode(std::nullopt);
        QTRY_COMPARE(text("todayLine"), QStringLiteral("Сегодня повторений ещё не было"));
    }

    void theTrayOpensTheWindowAndItsScreens()
    {
        {
            Preferences seed(m_home->defaultsFile());
            seed.onboarding().setHasCompletedOnboarding(true);
            seed.translation().setTargetLanguageCode(QStringLiteral("ru"));
        }
        addDue(QStringLiteral("perro"), 10);
        std::unique_ptr<QuillmoorApp> app
            = QuillmoorApp::create({ m_home->defaultsFile(), m_home->diagnosticsFile(), m_home->cardsFile() });
        QVERIFY(app);
        app->tray().menu()->findChild<QAction*>(QStringLiteral("menuReview"))->trigger();
        SectionWindow* window = app->delegate().reviewWindowController()->window();
        QTRY_VERIFY(window->isVisible());
        auto* view = qobject_cast<ReviewView*>(window->contentView());
        QVERIFY(view);
        QCOMPARE(view->findChild<QLabel*>(QStringLiteral("cardWord"))->text(), QStringLiteral("perro"));
        QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("segmentStats")), Qt::LeftButton);
        QCOMPARE(view->screen(), ReviewScreen::Stats);
        QVERIFY(view->findChild<StatsView*>()->isVisible());
        // The achievements have their place; their screen is built elsewhere.
        QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("segmentAchievements")), Qt::LeftButton);
        QVERIFY(view->findChild<QWidget*>(QStringLiteral("achievementsScreen"))->isVisible());
        QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("segmentReview")), Qt::LeftButton);
        QCOMPARE(view->findChild<QLabel*>(QStringLiteral("progressLabel"))->text(), QStringLiteral("1 из 1"));
        // Every opening starts afresh.
        app->delegate().showReview();
        QVERIFY(app->delegate().reviewWindowController()->window() != window);
    }
};

QTEST_MAIN(TestReviewWindow)
#include "TestReviewWindow.moc"
