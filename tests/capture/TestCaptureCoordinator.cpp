#include "capture/CaptureCoordinator.h"
#include "capture/SentenceTieBreak.h"
#include "support/CapturedLog.h"
#include "support/FakeCaptureEnvironment.h"
#include "support/FakeCaptureOverlayPanel.h"
#include "support/FakeGrammarAnalysisPanel.h"
#include "support/FakeOCRCaptureService.h"
#include "support/FakeQuickLookupPanel.h"
#include "support/FakeSelectionCaptureService.h"
#include "support/FakeWordCaptureService.h"

#include <QCoreApplication>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(LogicalPoint)
Q_DECLARE_METATYPE(PhysicalPoint)
Q_DECLARE_METATYPE(ScreenPointMapper::Screen)

namespace {

const QString kCapture = QStringLiteral("quillmoor.capture");
const QString kGrammar = QStringLiteral("quillmoor.grammar");

using AxResult = WordCaptureService::CaptureResult;
using OcrResult = OCRCaptureService::CaptureResult;

AxResult axResult(const QString& word, const QString& sentence, bool lowConfidence)
{
    AxResult result;
    result.word = word;
    result.sentence = sentence;
    result.isLowConfidence = lowConfidence;
    return result;
}

// Everything a flow talks to. Members are declared so that the coordinator goes first on
// destruction: pending fakes then end their calls into a coordinator that is already gone.
struct Rig
{
    QStringList journal;
    FakeCaptureEnvironment environment;
    FakeWordCaptureService word;
    FakeSelectionCaptureService selection;
    FakeOCRCaptureService ocr;
    FakeCaptureOverlayPanel overlay { &journal };
    FakeQuickLookupPanel quickLookup { &journal };
    FakeGrammarAnalysisPanel grammar { &journal };
    CaptureCoordinator coordinator {
        CaptureCoordinator::Collaborators { &word, &selection, &ocr, &overlay, &quickLookup, &grammar }, environment
    };

    Rig()
    {
        environment.mouse = LogicalPoint { 300, 200 };
        environment.layout = ScreenPointMapper({ { QRect(0, 0, 1920, 1080), 1.0 } });
    }
};

// Continuations after a fake's answer may be delivered through the event loop.
void settle()
{
    QCoreApplication::processEvents();
}

QStringList overlayWords(const FakeCaptureOverlayPanel& overlay)
{
    QStringList words;
    for (const auto& shown : overlay.shown)
        words << shown.word + QLatin1Char('|') + shown.sentence;
    return words;
}

} // namespace

class TestCaptureCoordinator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sentenceChoice_data();
    void sentenceChoice();

    void confidentResultShownAtOnce();
    void lowConfidenceTieBreak_data();
    void lowConfidenceTieBreak();
    void tieBreakWithoutScreenshotShowsAfterRecognition();
    void noAccessibilityResultFallsBackAfterPause();
    void blankAccessibilityWordFallsBack_data();
    void blankAccessibilityWordFallsBack();
    void nothingRecognizedHidesPanel();
    void supersededPauseStopsSilently();
    void supersededFallbackNeverHidesNewerResult();
    void supersededFallbackResultDropped();
    void supersededTieBreakDropped();
    void twoQuickWordTriggersShowOnlySecond();

    void selectionShown();
    void selectionAndGrammarTwice();
    void selectionFallsBackToRecognitionAtOnce();
    void selectionNothingFoundShowsAndHidesNothing();
    void selectionRecognitionTooLate();
    void selectionAnswerTooLate();

    void grammarAnalysisWithSelection();
    void grammarAnalysisFallsBack();
    void grammarAnalysisNothingFound();
    void grammarAnalysisTooLate();

    void quickLookupHidesOverlayFirst();
    void generationCounting();
    void releaseHidesUnlessHovered();
    void absentCollaboratorsLogAndDoNothing();
    void pointsAcrossScreens_data();
    void pointsAcrossScreens();
};

void TestCaptureCoordinator::sentenceChoice_data()
{
    QTest::addColumn<QString>("ax");
    QTest::addColumn<QString>("ocr");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("recognized contains AX: keep AX") << "The cat sat."
                                                     << "Yes. The cat sat. Then"
                                                     << "The cat sat.";
    QTest::newRow("accessibility contains recognized: take the shorter OCR") << "The cat sat on the mat."
                                                                             << "The cat sat"
                                                                             << "The cat sat";
    QTest::newRow("typographic apostrophe and doubled space, a beginning: OCR exactly as read")
        << "Don't stop me now, I'm having a good time." << QStringLiteral("Don\u2019t stop  me now,")
        << QStringLiteral("Don\u2019t stop  me now,");
    QTest::newRow("typographic left single quote")
        << "it's 'here' now" << QStringLiteral("\u2018here\u2019") << QStringLiteral("\u2018here\u2019");
    QTest::newRow("typographic double quotes, equal after normalizing: keep AX")
        << "He said \"hello\" to me." << QStringLiteral("He said \u201Chello\u201D to me.")
        << "He said \"hello\" to me.";
    QTest::newRow("equal lengths keep AX") << "a  b c"
                                           << " a b c "
                                           << "a  b c";
    QTest::newRow("identical") << "Same text."
                               << "Same text."
                               << "Same text.";
    QTest::newRow("unrelated, OCR more words") << "Short one."
                                               << "A much longer recognized line."
                                               << "A much longer recognized line.";
    QTest::newRow("unrelated, equal word counts go to OCR") << "alpha beta"
                                                            << "gamma delta"
                                                            << "gamma delta";
    QTest::newRow("unrelated, OCR fewer words keep AX") << "This is the full sentence here."
                                                        << "Totally other."
                                                        << "This is the full sentence here.";
    QTest::newRow("word count ignores empty pieces") << "one two three"
                                                     << "  four   five  six "
                                                     << "  four   five  six ";
    QTest::newRow("empty recognized sentence is contained: shorter wins") << "Some words."
                                                                          << ""
                                                                          << "";
    QTest::newRow("accent dropped by recognition: equal in user-perceived characters, keep AX")
        << QStringLiteral("e\u0301") << QStringLiteral("e") << QStringLiteral("e\u0301");
}

void TestCaptureCoordinator::sentenceChoice()
{
    QFETCH(QString, ax);
    QFETCH(QString, ocr);
    QFETCH(QString, chosen);
    QCOMPARE(SentenceTieBreak::choose(ax, ocr), chosen);
}

void TestCaptureCoordinator::confidentResultShownAtOnce()
{
    CapturedLog log;
    Rig rig;
    AxResult result = axResult(QStringLiteral("cat"), QStringLiteral("The cat sat."), false);
    result.bounds = QRectF(10, 20, 300, 40);
    rig.word.next = result;
    rig.word.duringCall = [&] { rig.environment.clockMs += 7; };

    rig.coordinator.fire(HotkeyAction::Word);

    QCOMPARE(rig.overlay.shown.size(), 1);
    QCOMPARE(rig.overlay.shown[0].word, QStringLiteral("cat"));
    QCOMPARE(rig.overlay.shown[0].sentence, QStringLiteral("The cat sat."));
    QCOMPARE(rig.overlay.shown[0].near, (LogicalPoint { 300, 200 }));
    QCOMPARE(rig.overlay.shown[0].isSelection, false);
    QCOMPARE(rig.ocr.count(), 0);
    QVERIFY(rig.environment.requestedPauses.empty());
    QCOMPARE(log.messages(kCapture),
        (QStringList { QStringLiteral("Captured word: cat"), QStringLiteral("Sentence: The cat sat."),
            QStringLiteral("Bounds: {{10, 20}, {300, 40}}"), QStringLiteral("performWordCapture total: 7ms") }));
}

void TestCaptureCoordinator::lowConfidenceTieBreak_data()
{
    QTest::addColumn<QString>("axWord");
    QTest::addColumn<QString>("axSentence");
    QTest::addColumn<bool>("recognized");
    QTest::addColumn<QString>("ocrWord");
    QTest::addColumn<QString>("ocrSentence");
    // What the panel shows, in order; the first entry is always the accessibility result.
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("lastLog");

    const QString agrees = QStringLiteral("OCR tie-break agrees with AX result — no change needed");
    const QString nothing = QStringLiteral("OCR tie-break found nothing usable — keeping low-confidence AX result");

    QTest::newRow("same word, recognized sentence contains AX: kept, not refreshed")
        << "cat"
        << "The cat sat." << true << "cat"
        << "Yes. The cat sat. Then" << QStringList { "cat|The cat sat." } << agrees;
    QTest::newRow("different word: switches to the recognized word")
        << "cat"
        << "The cat sat." << true << "cap"
        << "The cap sat." << QStringList { "cat|The cat sat.", "cap|The cap sat." }
        << QStringLiteral("OCR tie-break overrides low-confidence AX result: \"cat\" → \"cap\"");
    QTest::newRow("typographic apostrophe, doubled space, beginning of longer AX: recognized sentence as read")
        << "stop"
        << "Don't stop me now, I'm having a good time." << true << "stop" << QStringLiteral("Don\u2019t stop  me now,")
        << QStringList { "stop|Don't stop me now, I'm having a good time.",
               QStringLiteral("stop|Don\u2019t stop  me now,") }
        << QStringLiteral("OCR tie-break overrides low-confidence AX result: \"stop\" → \"stop\"");
    QTest::newRow("typographic double quotes only: kept")
        << "hello"
        << "He said \"hello\" to me." << true << "hello" << QStringLiteral("He said \u201Chello\u201D to me.")
        << QStringList { "hello|He said \"hello\" to me." } << agrees;
    QTest::newRow("equal lengths after normalizing: kept") << "b"
                                                           << "a  b c" << true << "b"
                                                           << "a b c" << QStringList { "b|a  b c" } << agrees;
    QTest::newRow("different word, unrelated shorter sentence: AX sentence with recognized word")
        << "full"
        << "This is the full sentence here." << true << "other"
        << "Totally other."
        << QStringList { "full|This is the full sentence here.", "other|This is the full sentence here." }
        << QStringLiteral("OCR tie-break overrides low-confidence AX result: \"full\" → \"other\"");
    QTest::newRow("same word, unrelated longer sentence: recognized sentence")
        << "line"
        << "Short line." << true << "line"
        << "A much longer recognized line." << QStringList { "line|Short line.", "line|A much longer recognized line." }
        << QStringLiteral("OCR tie-break overrides low-confidence AX result: \"line\" → \"line\"");
    QTest::newRow("nothing recognized: AX stays") << "cat"
                                                  << "The cat sat." << false << ""
                                                  << "" << QStringList { "cat|The cat sat." } << nothing;
    QTest::newRow("blank recognized word: AX stays") << "cat"
                                                     << "The cat sat." << true << " \t"
                                                     << "The cat sat." << QStringList { "cat|The cat sat." } << nothing;
}

void TestCaptureCoordinator::lowConfidenceTieBreak()
{
    QFETCH(QString, axWord);
    QFETCH(QString, axSentence);
    QFETCH(bool, recognized);
    QFETCH(QString, ocrWord);
    QFETCH(QString, ocrSentence);
    QFETCH(QStringList, shown);
    QFETCH(QString, lastLog);

    CapturedLog log;
    Rig rig;
    rig.word.next = axResult(axWord, axSentence, true);
    rig.coordinator.fire(HotkeyAction::Word);

    // Nothing on screen before the screenshot; the screenshot waits 80 ms first.
    QVERIFY(rig.overlay.shown.isEmpty());
    QCOMPARE(rig.environment.requestedPauses, (std::vector<std::chrono::milliseconds> { 80ms }));
    QCOMPARE(rig.ocr.count(), 0);
    rig.environment.releasePauses();
    settle();
    QCOMPARE(rig.ocr.count(), 1);
    QCOMPARE(rig.ocr.request(0).at, (PhysicalPoint { 300, 200 }));
    QVERIFY(rig.overlay.shown.isEmpty());

    // The accessibility result appears as soon as the screenshot exists, before recognition ends.
    rig.ocr.takeScreenshot(0);
    QCOMPARE(overlayWords(rig.overlay), QStringList { shown.first() });

    std::optional<OcrResult> result;
    if (recognized)
        result = OcrResult { ocrWord, ocrSentence };
    rig.ocr.finish(0, result);
    settle();
    QCOMPARE(overlayWords(rig.overlay), shown);
    QCOMPARE(rig.overlay.hideCount, 0);
    QCOMPARE(log.messages(kCapture).last(), lastLog);
}

void TestCaptureCoordinator::tieBreakWithoutScreenshotShowsAfterRecognition()
{
    Rig rig;
    rig.word.next = axResult(QStringLiteral("cat"), QStringLiteral("The cat sat."), true);
    rig.coordinator.fire(HotkeyAction::Word);
    rig.environment.releasePauses();
    settle();
    // No screenshot could be taken: the service reports nothing without running the action.
    rig.ocr.finish(0, std::nullopt);
    settle();
    QCOMPARE(overlayWords(rig.overlay), QStringList { QStringLiteral("cat|The cat sat.") });
}

void TestCaptureCoordinator::noAccessibilityResultFallsBackAfterPause()
{
    CapturedLog log;
    Rig rig;
    rig.coordinator.fire(HotkeyAction::Word);
    QCOMPARE(log.messages(kCapture),
        QStringList { QStringLiteral("No word captured via Accessibility — falling back to OCR") });
    QCOMPARE(rig.environment.requestedPauses, (std::vector<std::chrono::milliseconds> { 80ms }));
    QCOMPARE(rig.ocr.count(), 0);

    rig.environment.clockMs += 80;
    rig.environment.releasePauses();
    settle();
    QCOMPARE(rig.ocr.count(), 1);
    QVERIFY(!rig.ocr.request(0).onScreenshotCaptured);
    rig.environment.clockMs += 45;
    rig.ocr.complete(0, OcrResult { QStringLiteral("Hund"), QStringLiteral("Der Hund bellt.") });
    settle();
    QCOMPARE(overlayWords(rig.overlay), QStringList { QStringLiteral("Hund|Der Hund bellt.") });
    QCOMPARE(rig.overlay.shown[0].isSelection, false);
    QCOMPARE(log.messages(kCapture).last(), QStringLiteral("performWordCapture total (OCR path): 125ms"));
}

void TestCaptureCoordinator::blankAccessibilityWordFallsBack_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("lowConfidence");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("spaces") << QStringLiteral("   ") << false;
    QTest::newRow("line break and tab, low confidence") << QStringLiteral("\n\t") << true;
    QTest::newRow("no-break space") << QStringLiteral("\u00A0") << false;
}

void TestCaptureCoordinator::blankAccessibilityWordFallsBack()
{
    QFETCH(QString, word);
    QFETCH(bool, lowConfidence);
    CapturedLog log;
    Rig rig;
    rig.word.next = axResult(word, QStringLiteral("Some sentence."), lowConfidence);
    rig.coordinator.fire(HotkeyAction::Word);
    QVERIFY(rig.overlay.shown.isEmpty());
    QCOMPARE(log.messages(kCapture),
        QStringList { QStringLiteral("No word captured via Accessibility — falling back to OCR") });
    rig.environment.releasePauses();
    settle();
    QCOMPARE(rig.ocr.count(), 1);
    QVERIFY(!rig.ocr.request(0).onScreenshotCaptured);
}

void TestCaptureCoordinator::nothingRecognizedHidesPanel()
{
    CapturedLog log;
    Rig rig;
    rig.coordinator.fire(HotkeyAction::Word);
    rig.environment.releasePauses();
    settle();
    rig.ocr.complete(0, std::nullopt);
    settle();
    QVERIFY(rig.overlay.shown.isEmpty());
    QCOMPARE(rig.overlay.hideCount, 1);
    QCOMPARE(log.messages(kCapture).last(), QStringLiteral("No word captured via OCR either"));
}

void TestCaptureCoordinator::supersededPauseStopsSilently()
{
    Rig rig;
    rig.coordinator.fire(HotkeyAction::Word); // no AX result: fallback pauses
    rig.word.next = axResult(QStringLiteral("low"), QStringLiteral("A low one."), true);
    rig.coordinator.fire(HotkeyAction::Word); // tie-break pauses too
    rig.word.next = axResult(QStringLiteral("new"), QStringLiteral("The new one."), false);
    rig.coordinator.fire(HotkeyAction::Word);
    QCOMPARE(overlayWords(rig.overlay), QStringList { QStringLiteral("new|The new one.") });

    CapturedLog log;
    rig.environment.releasePauses();
    settle();
    QCOMPARE(rig.ocr.count(), 0);
    QVERIFY(log.messages(kCapture).isEmpty());
    QCOMPARE(rig.journal, QStringList { QStringLiteral("overlay.show new|The new one.|word") });
}

void TestCaptureCoordinator::supersededFallbackNeverHidesNewerResult()
{
    CapturedLog log;
    Rig rig;
    rig.coordinator.fire(HotkeyAction::Word);
    rig.environment.releasePauses();
    settle();
    QCOMPARE(rig.ocr.count(), 1);

    rig.word.next = axResult(QStringLiteral("new"), QStringLiteral("The new one."), false);
    rig.coordinator.fire(HotkeyAction::Word);
    rig.ocr.complete(0, std::nullopt);
    settle();
    QCOMPARE(log.messages(kCapture).last(), QStringLiteral("No word captured via OCR either"));
    QCOMPARE(rig.overlay.hideCount, 0);
    QCOMPARE(rig.journal, QStringList { QStringLiteral("overlay.show new|The new one.|word") });
}

void TestCaptureCoordinator::supersededFallbackResultDropped()
{
    CapturedLog log;
    Rig rig;
    rig.coordinator.fire(HotkeyAction::Word);
    rig.environment.releasePauses();
    settle();
    rig.word.next = axResult(QStringLiteral("new"), QStringLiteral("The new one."), false);
    rig.coordinator.fire(HotkeyAction::Word);
    rig.ocr.complete(0, OcrResult { QStringLiteral("old"), QStringLiteral("The old one.") });
    settle();
    QCOMPARE(overlayWords(rig.overlay), QStringList { QStringLiteral("new|The new one.") });
    QCOMPARE(log.messages(kCapture).last(),
        QStringLiteral("OCR result arrived too late (newer capture in progress) — discarding"));
}

void TestCaptureCoordinator::supersededTieBreakDropped()
{
    CapturedLog log;
    Rig rig;
    rig.word.next = axResult(QStringLiteral("old"), QStringLiteral("The old one."), true);
    rig.coordinator.fire(HotkeyAction::Word);
    rig.environment.releasePauses();
    settle();
    QCOMPARE(rig.ocr.count(), 1);

    rig.word.next = axResult(QStringLiteral("new"), QStringLiteral("The new one."), false);
    rig.coordinator.fire(HotkeyAction::Word);
    // The old screenshot arrives after the newer trigger: the old result is not shown.
    rig.ocr.takeScreenshot(0);
    rig.ocr.finish(0, OcrResult { QStringLiteral("older"), QStringLiteral("The older one.") });
    settle();
    QCOMPARE(overlayWords(rig.overlay), QStringList { QStringLiteral("new|The new one.") });
    QCOMPARE(log.messages(kCapture).last(),
        QStringLiteral("OCR tie-break arrived too late (newer capture in progress) — discarding"));
}

void TestCaptureCoordinator::twoQuickWordTriggersShowOnlySecond()
{
    Rig rig;
    rig.coordinator.fire(HotkeyAction::Word);
    rig.environment.releaseOldestPause();
    settle();
    rig.coordinator.fire(HotkeyAction::Word);
    rig.environment.releasePauses();
    settle();
    QCOMPARE(rig.ocr.count(), 2);
    // The second answers first, the first answers late.
    rig.ocr.complete(1, OcrResult { QStringLiteral("second"), QStringLiteral("The second.") });
    rig.ocr.complete(0, OcrResult { QStringLiteral("first"), QStringLiteral("The first.") });
    settle();
    QCOMPARE(rig.journal, QStringList { QStringLiteral("overlay.show second|The second.|word") });
}

void TestCaptureCoordinator::selectionShown()
{
    CapturedLog log;
    Rig rig;
    rig.selection.next = QStringLiteral("a whole selected paragraph");
    rig.coordinator.fire(HotkeyAction::Selection);
    settle();
    QCOMPARE(rig.overlay.shown.size(), 1);
    QCOMPARE(rig.overlay.shown[0].word, QStringLiteral("a whole selected paragraph"));
    QCOMPARE(rig.overlay.shown[0].sentence, QString());
    QCOMPARE(rig.overlay.shown[0].isSelection, true);
    QCOMPARE(rig.overlay.shown[0].near, (LogicalPoint { 300, 200 }));
    QCOMPARE(rig.ocr.count(), 0);
    QCOMPARE(log.messages(kCapture),
        (QStringList { QStringLiteral("Selected text: a whole selected paragraph"),
            QStringLiteral("performSelectionCapture total: 0ms") }));
}

void TestCaptureCoordinator::selectionAndGrammarTwice()
{
    Rig rig;
    rig.selection.next = QStringLiteral("text");
    rig.coordinator.fire(HotkeyAction::Selection);
    rig.coordinator.fire(HotkeyAction::GrammarAnalysis);
    rig.coordinator.fire(HotkeyAction::Selection);
    settle();
    QCOMPARE(rig.journal,
        (QStringList { QStringLiteral("overlay.show text||selection"), QStringLiteral("overlay.hide"),
            QStringLiteral("grammar.show text"), QStringLiteral("overlay.show text||selection") }));
}

void TestCaptureCoordinator::selectionFallsBackToRecognitionAtOnce()
{
    CapturedLog log;
    Rig rig;
    rig.coordinator.fire(HotkeyAction::Selection);
    settle();
    QCOMPARE(log.messages(kCapture),
        QStringList { QStringLiteral("No active selection to translate — trying OCR around cursor") });
    QVERIFY(rig.environment.requestedPauses.empty());
    QCOMPARE(rig.ocr.count(), 1);
    QCOMPARE(rig.ocr.request(0).at, (PhysicalPoint { 300, 200 }));
    rig.environment.clockMs += 30;
    rig.ocr.complete(0, OcrResult { QStringLiteral("Wort"), QStringLiteral("Ein ganzer Satz.") });
    settle();
    QCOMPARE(rig.overlay.shown.size(), 1);
    QCOMPARE(rig.overlay.shown[0].word, QStringLiteral("Ein ganzer Satz."));
    QCOMPARE(rig.overlay.shown[0].sentence, QString());
    QCOMPARE(rig.overlay.shown[0].isSelection, true);
    QCOMPARE(log.messages(kCapture).last(), QStringLiteral("performSelectionCapture total (OCR path): 30ms"));
}

void TestCaptureCoordinator::selectionNothingFoundShowsAndHidesNothing()
{
    CapturedLog log;
    Rig rig;
    rig.coordinator.fire(HotkeyAction::Selection);
    settle();
    rig.ocr.complete(0, OcrResult { QStringLiteral("w"), QString() });
    settle();
    QVERIFY(rig.journal.isEmpty());
    QCOMPARE(log.messages(kCapture).last(), QStringLiteral("OCR also found nothing for selection"));
}

void TestCaptureCoordinator::selectionRecognitionTooLate()
{
    CapturedLog log;
    Rig rig;
    rig.coordinator.fire(HotkeyAction::Selection);
    settle();
    rig.word.next = axResult(QStringLiteral("new"), QStringLiteral("The new one."), false);
    rig.coordinator.fire(HotkeyAction::Word);
    rig.ocr.complete(0, OcrResult { QStringLiteral("w"), QStringLiteral("Late sentence.") });
    settle();
    QCOMPARE(overlayWords(rig.overlay), QStringList { QStringLiteral("new|The new one.") });
    QCOMPARE(log.messages(kCapture).last(), QStringLiteral("Selection OCR fallback arrived too late — discarding"));
}

void TestCaptureCoordinator::selectionAnswerTooLate()
{
    CapturedLog log;
    Rig rig;
    rig.selection.holdAnswers = true;
    rig.coordinator.fire(HotkeyAction::Selection);
    QCOMPARE(rig.selection.pendingCount(), 1);
    rig.word.next = axResult(QStringLiteral("new"), QStringLiteral("The new one."), false);
    rig.coordinator.fire(HotkeyAction::Word);
    rig.selection.answer(QStringLiteral("late selection"));
    settle();
    QCOMPARE(overlayWords(rig.overlay), QStringList { QStringLiteral("new|The new one.") });
    QCOMPARE(log.messages(kCapture).last(),
        QStringLiteral("Selected text arrived too late (newer capture in progress) — discarding"));
}

void TestCaptureCoordinator::grammarAnalysisWithSelection()
{
    Rig rig;
    rig.selection.next = QStringLiteral("Ich habe gegangen.");
    rig.coordinator.fire(HotkeyAction::GrammarAnalysis);
    settle();
    QCOMPARE(rig.journal,
        (QStringList { QStringLiteral("overlay.hide"), QStringLiteral("grammar.show Ich habe gegangen.") }));
    QCOMPARE(rig.grammar.shown[0].near, (LogicalPoint { 300, 200 }));
}

void TestCaptureCoordinator::grammarAnalysisFallsBack()
{
    CapturedLog log;
    Rig rig;
    rig.coordinator.fire(HotkeyAction::GrammarAnalysis);
    settle();
    QCOMPARE(log.messages(kGrammar),
        QStringList { QStringLiteral("No active selection for grammar analysis — trying OCR around cursor") });
    QVERIFY(rig.environment.requestedPauses.empty());
    QCOMPARE(rig.ocr.count(), 1);
    rig.ocr.complete(0, OcrResult { QStringLiteral("habe"), QStringLiteral("Ich habe gegangen.") });
    settle();
    QCOMPARE(rig.journal,
        (QStringList { QStringLiteral("overlay.hide"), QStringLiteral("grammar.show Ich habe gegangen.") }));
}

void TestCaptureCoordinator::grammarAnalysisNothingFound()
{
    CapturedLog log;
    Rig rig;
    rig.coordinator.fire(HotkeyAction::GrammarAnalysis);
    settle();
    rig.ocr.complete(0, std::nullopt);
    settle();
    QVERIFY(rig.grammar.shown.isEmpty());
    QCOMPARE(log.messages(kGrammar).last(), QStringLiteral("OCR also found nothing for grammar analysis"));
}

void TestCaptureCoordinator::grammarAnalysisTooLate()
{
    CapturedLog log;
    Rig rig;
    rig.coordinator.fire(HotkeyAction::GrammarAnalysis);
    settle();
    rig.selection.next = QStringLiteral("Newer sentence.");
    rig.coordinator.fire(HotkeyAction::GrammarAnalysis);
    settle();
    rig.ocr.complete(0, OcrResult { QStringLiteral("w"), QStringLiteral("Older sentence.") });
    settle();
    QCOMPARE(rig.grammar.shown.size(), 1);
    QCOMPARE(rig.grammar.shown[0].sentence, QStringLiteral("Newer sentence."));
    QCOMPARE(
        log.messages(kGrammar).last(), QStringLiteral("Grammar analysis OCR fallback arrived too late — discarding"));
}

void TestCaptureCoordinator::quickLookupHidesOverlayFirst()
{
    Rig rig;
    rig.word.next = axResult(QStringLiteral("cat"), QStringLiteral("The cat sat."), false);
    rig.coordinator.fire(HotkeyAction::Word);
    rig.coordinator.fire(HotkeyAction::QuickLookup);
    QCOMPARE(rig.journal,
        (QStringList { QStringLiteral("overlay.show cat|The cat sat.|word"), QStringLiteral("overlay.hide"),
            QStringLiteral("quickLookup.show") }));
}

void TestCaptureCoordinator::generationCounting()
{
    Rig rig;
    rig.selection.next = QStringLiteral("text");
    QCOMPARE(rig.coordinator.captureGeneration(), 0);
    rig.coordinator.fire(HotkeyAction::Word);
    QCOMPARE(rig.coordinator.captureGeneration(), 1);
    rig.coordinator.fire(HotkeyAction::Selection);
    QCOMPARE(rig.coordinator.captureGeneration(), 2);
    rig.coordinator.fire(HotkeyAction::GrammarAnalysis);
    QCOMPARE(rig.coordinator.captureGeneration(), 3);
    rig.coordinator.fire(HotkeyAction::QuickLookup);
    QCOMPARE(rig.coordinator.captureGeneration(), 3);
    QCOMPARE(rig.word.calls, 1);
}

void TestCaptureCoordinator::releaseHidesUnlessHovered()
{
    Rig rig;
    rig.overlay.hovering = true;
    rig.coordinator.hideLookupPanelUnlessHovered();
    QCOMPARE(rig.overlay.hideCount, 0);
    rig.overlay.hovering = false;
    rig.coordinator.hideLookupPanelUnlessHovered();
    QCOMPARE(rig.overlay.hideCount, 1);
}

void TestCaptureCoordinator::absentCollaboratorsLogAndDoNothing()
{
    CapturedLog log;
    FakeCaptureEnvironment environment;
    {
        CaptureCoordinator coordinator(CaptureCoordinator::Collaborators {}, environment);
        for (HotkeyAction action : HotkeyActionIds::kAll) {
            coordinator.fire(action);
            environment.releasePauses();
            settle();
        }
        QCOMPARE(coordinator.captureGeneration(), 3);
        coordinator.hideLookupPanelUnlessHovered();
    }
    const QStringList capture = log.messages(kCapture);
    QVERIFY(capture.contains(QStringLiteral("Accessibility word capture is not part of this build")));
    QVERIFY(capture.contains(QStringLiteral("Screenshot text recognition is not part of this build")));
    QVERIFY(capture.contains(QStringLiteral("Selection capture is not part of this build")));
    QVERIFY(capture.contains(QStringLiteral("Quick lookup panel is not part of this build")));
    QVERIFY(capture.contains(QStringLiteral("No word captured via OCR either")));
    QCOMPARE(log.messages(kGrammar).last(), QStringLiteral("OCR also found nothing for grammar analysis"));
}

void TestCaptureCoordinator::pointsAcrossScreens_data()
{
    using Screens = QList<ScreenPointMapper::Screen>;
    QTest::addColumn<Screens>("screens");
    QTest::addColumn<LogicalPoint>("mouse");
    QTest::addColumn<PhysicalPoint>("capturedAt");

    const Screens leftAbove = { { QRect(0, 0, 1920, 1080), 1.0 }, { QRect(-1280, -1024, 1280, 1024), 1.0 } };
    // Physically 1920 x 1080 at (-1920, -1080); Qt keeps its corner and halves its extent.
    const Screens leftAboveScale2 = { { QRect(0, 0, 1920, 1080), 1.0 }, { QRect(-1920, -1080, 960, 540), 2.0 } };
    QTest::newRow("primary, scale 1") << leftAbove << LogicalPoint { 300, 200 } << PhysicalPoint { 300, 200 };
    QTest::newRow("screen above and left, scale 1")
        << leftAbove << LogicalPoint { -1000, -500 } << PhysicalPoint { -1000, -500 };
    QTest::newRow("screen above and left, scale 2")
        << leftAboveScale2 << LogicalPoint { -1500, -700 } << PhysicalPoint { -1080, -320 };
    QTest::newRow("primary beside a scale 2 screen")
        << leftAboveScale2 << LogicalPoint { 10, 10 } << PhysicalPoint { 10, 10 };
    QTest::newRow("primary at scale 2") << Screens { { QRect(0, 0, 960, 540), 2.0 } } << LogicalPoint { 300.5, 200 }
                                        << PhysicalPoint { 601, 400 };
}

void TestCaptureCoordinator::pointsAcrossScreens()
{
    using Screens = QList<ScreenPointMapper::Screen>;
    QFETCH(Screens, screens);
    QFETCH(LogicalPoint, mouse);
    QFETCH(PhysicalPoint, capturedAt);
    Rig rig;
    rig.environment.layout = ScreenPointMapper(screens);
    rig.environment.mouse = mouse;
    rig.coordinator.fire(HotkeyAction::Word);
    rig.environment.releasePauses();
    settle();
    QCOMPARE(rig.ocr.count(), 1);
    QCOMPARE(rig.ocr.request(0).at, capturedAt);
    rig.ocr.complete(0, OcrResult { QStringLiteral("w"), QStringLiteral("s") });
    settle();
    QCOMPARE(rig.overlay.shown.size(), 1);
    // The panel gets the pointer's logical point unchanged.
    QCOMPARE(rig.overlay.shown[0].near, mouse);
}

QTEST_GUILESS_MAIN(TestCaptureCoordinator)
#include "TestCaptureCoordinator.moc"
