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
        // clang-format off
        QTest::newRow("one word") << QStringLiteral("run") << QStringLiteral("run") << QString();
        QTest::newRow("a sentence: its last word") << QStringLiteral("I gave up.") << QStringLiteral("up") << "I gave up.";
        QTest::newRow("quotes and dashes") << QStringLiteral("She said «no»…") << QStringLiteral("no") << "She said «no»…";
        QTest::newRow("tabs and spaces") << QStringLiteral("look\t  after") << QStringLiteral("after") << "look\t  after";
        QTest::newRow("punctuation only last piece") << QStringLiteral("well …") << QString() << "well …";
        QTest::newRow("empty") << QString() << QString() << QString();
        // clang-format on
    }

    void wordAndSentence()
    {
        QFETCH(QString, input);
        QFETCH(QString, word);
        QFETCH(QString, sentence);
        QCOMPARE(QuickLookupView::wordAndSentence(input), std::make_pair(word, sentence));
    }

    void submitsHalfASecondAfterTyping()
    {
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

    void returnSameTextEscapeAndClearing()
    {
        QSignalSpy close(m_view.get(), &QuickLookupView::closeRequested);
        type(QStringLiteral("I gave up."));
        QTest::keyClick(&m_view->field(), Qt::Key_Return); // at once
        QCOMPARE(m_view->submittedWord(), QStringLiteral("up"));
        QCOMPARE(m_view->submittedSentence(), QStringLiteral("I gave up."));
        QCOMPARE(m_view->card()->model().sentence(), QStringLiteral("I gave up."));

        CaptureOverlayView* card = m_view->card();
        QSignalSpy changes(m_view.get(), &QuickLookupView::contentChanged);
        m_view->field().setText(QStringLiteral("  I gave up. \n"));
        m_view->submit();
        QTest::keyClick(&m_view->field(), Qt::Key_Return);
        QCOMPARE(m_view->card(), card); // the same text again does nothing
        QCOMPARE(changes.count(), 0);

        QTest::keyClick(&m_view->field(), Qt::Key_Escape);
        QCOMPARE(close.count(), 1);

        m_view->field().selectAll();
        QTest::keyClick(&m_view->field(), Qt::Key_Backspace);
        QVERIFY(m_view->card()); // still there during the pause
        QTRY_VERIFY(!m_view->card());
        QVERIFY(m_view->submittedWord().isEmpty());
    }
};

QTEST_MAIN(TestQuickLookupView)
#include "TestQuickLookupView.moc"
