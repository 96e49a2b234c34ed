#include "panels/LookupCardModel.h"
#include "panels/QuickLookupView.h"
#include "support/LookupRig.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

// Typing into the quick-lookup field: the pause before a lookup, Return, Escape and clearing.
class TestQuickLookupView : public QObject
{
    Q_OBJECT

    std::unique_ptr<LookupRig> m_rig;
    std::unique_ptr<QuickLookupView> m_view;

    void type(const QString& text) { QTest::keyClicks(&m_view->field(), text); }

private Q_SLOTS:
    void init()
    {
        m_rig = std::make_unique<LookupRig>();
        m_rig->useEnglishToSpanish();
        m_view = std::make_unique<QuickLookupView>(m_rig->services());
        m_view->show();
    }

    void cleanup()
    {
        m_view.reset();
        m_rig.reset();
    }

    void wordAndSentence_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("one word") << "run"
                                  << "run"
                                  << "";
        QTest::newRow("a sentence: its last word") << "I gave up."
                                                   << "up"
                                                   << "I gave up.";
        QTest::newRow("quotes and dashes") << "She said «no»…"
                                           << "no"
                                           << "She said «no»…";
        QTest::newRow("tabs and several spaces") << "look\t  after"
                                                 << "after"
                                                 << "look\t  after";
        QTest::newRow("punctuation only last piece") << "well …"
                                                     << ""
                                                     << "well …";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }

    void wordAndSentence()
    {
        QFETCH(QString, input);
        QFETCH(QString, word);
        QFETCH(QString, sentence);
        const auto [w, s] = QuickLookupView::wordAndSentence(input);
        QCOMPARE(w, word);
        QCOMPARE(s, sentence);
    }

    void submitsHalfASecondAfterTyping()
    {
        QSignalSpy changes(m_view.get(), &QuickLookupView::contentChanged);
        type(QStringLiteral("ru"));
        QTest::qWait(300);
        type(QStringLiteral("n")); // typing on restarts the wait
        QTest::qWait(300);
        QVERIFY(m_view->submittedWord().isEmpty());
        QTRY_COMPARE(m_view->submittedWord(), QStringLiteral("run"));
        QVERIFY(m_view->card());
        QCOMPARE(m_view->card()->model().word(), QStringLiteral("run"));
        QTest::qWait(QuickLookupView::kDebounceMs + 100);
        QCOMPARE(m_rig->backend().seen.count(QStringLiteral("run")), 1); // one submit, one lookup
    }

    void returnSubmitsAtOnce()
    {
        type(QStringLiteral("I gave up."));
        QTest::keyClick(&m_view->field(), Qt::Key_Return);
        QCOMPARE(m_view->submittedWord(), QStringLiteral("up"));
        QCOMPARE(m_view->submittedSentence(), QStringLiteral("I gave up."));
        QCOMPARE(m_view->card()->model().sentence(), QStringLiteral("I gave up."));
    }

    void theSameTextAgainDoesNothing()
    {
        type(QStringLiteral("run"));
        QTest::keyClick(&m_view->field(), Qt::Key_Return);
        CaptureOverlayView* card = m_view->card();
        QSignalSpy changes(m_view.get(), &QuickLookupView::contentChanged);
        m_view->field().setText(QStringLiteral("  run \n"));
        m_view->submit();
        QTest::keyClick(&m_view->field(), Qt::Key_Return);
        QCOMPARE(m_view->card(), card);
        QCOMPARE(changes.count(), 0);
    }

    void clearingRemovesTheCard()
    {
        type(QStringLiteral("run"));
        QTest::keyClick(&m_view->field(), Qt::Key_Return);
        QVERIFY(m_view->card());
        m_view->field().selectAll();
        QTest::keyClick(&m_view->field(), Qt::Key_Backspace);
        QVERIFY(m_view->card()); // still there during the pause
        QTRY_VERIFY(!m_view->card());
        QVERIFY(m_view->submittedWord().isEmpty());
    }

    void escapeAsksToClose()
    {
        QSignalSpy close(m_view.get(), &QuickLookupView::closeRequested);
        type(QStringLiteral("run"));
        QTest::keyClick(&m_view->field(), Qt::Key_Escape);
        QCOMPARE(close.count(), 1);
    }

    void placeholder() { QCOMPARE(m_view->field().placeholderText(), QStringLiteral("Слово или предложение…")); }
};

QTEST_MAIN(TestQuickLookupView)
#include "TestQuickLookupView.moc"
