#include "capture/CaptureCoordinator.h"
#include "capture/SentenceTieBreak.h"
#include "support/FakeCaptureEnvironment.h"
#include "support/FakeCaptureOverlayPanel.h"
#include "support/FakeGrammarAnalysisPanel.h"
#include "support/FakeOCRCaptureService.h"
#include "support/FakeQuickLookupPanel.h"
#include "support/FakeSelectionCaptureService.h"
#include "support/FakeWordCaptureService.h"

#include <QCoreApplication>
#include <QTest>

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

using AxResult = WordCaptureService::CaptureResult;
using OcrResult = OCRCaptureService::CaptureResult;
using MaybeOcr = std::optional<OcrResult>;

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

using Screens = QList<ScreenPointMapper::Screen>;

// Primary 1920 x 1080 at scale 1; a 2560 x 1440 screen at scale 2 above and left of it,
// physically at (-2560, -1440); a third at scale 1 to the right of the primary.
Screens mixedLayout()
{
    return { { QRect(0, 0, 1920, 1080), 1.0 }, { QRect(-2560, -1440, 1280, 720), 2.0 },
        { QRect(1920, 0, 1280, 1024), 1.0 } };
}

} // namespace

class TestCaptureCoordinator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The cases the word flow below does not reach: normalizing, lengths, empty pieces.
    void sentenceChoice_data()
    {
        QTest::addColumn<QString>("ax");
        QTest::addColumn<QString>("ocr");
        QTest::addColumn<QString>("chosen");
        // clang-format off
        QTest::newRow("AX contains recognized: the shorter OCR") << u"The cat sat on it."_s << u"The cat sat"_s << u"The cat sat"_s;
        QTest::newRow("typographic apostrophe and doubled space: OCR as read") << u"Don't stop me now, I'm having a good time."_s << u"Don’t stop  me now,"_s << u"Don’t stop  me now,"_s;
        QTest::newRow("typographic single quotes") << u"it's 'here' now"_s << u"‘here’"_s << u"‘here’"_s;
        QTest::newRow("typographic double quotes, equal after normalizing: keep AX") << u"He said \"hello\" to me."_s << u"He said “hello” to me."_s << u"He said \"hello\" to me."_s;
        QTest::newRow("equal lengths keep AX") << u"a  b c"_s << u" a b c "_s << u"a  b c"_s;
        QTest::newRow("word count ignores empty pieces") << u"one two three"_s << u"  four   five  six "_s << u"  four   five  six "_s;
        QTest::newRow("empty recognized sentence is contained: shorter wins") << u"Some words."_s << QString() << QString();
        QTest::newRow("accent dropped by recognition: equal in user-perceived characters, keep AX") << u"e\u0301"_s << u"e"_s << u"e\u0301"_s;
        // clang-format on
    }

    void sentenceChoice()
    {
        QFETCH(QString, ax);
        QFETCH(QString, ocr);
        QFETCH(QString, chosen);
        QCOMPARE(SentenceTieBreak::choose(ax, ocr), chosen);
    }

    // An accessibility result of low confidence, or none: a screenshot 80 ms later. A low-confidence
    // word goes on screen as soon as the screenshot exists, then the recognized word if it differs;
    // without any accessibility word, the recognized one, or nothing at all.
    void wordThroughRecognition_data()
    {
        QTest::addColumn<std::optional<AxResult>>("ax");
        QTest::addColumn<int>("shownAtScreenshot"); // -1: no screenshot could be taken
        QTest::addColumn<MaybeOcr>("ocr");
        QTest::addColumn<QStringList>("journal");
        const auto low = [](const QString& word, const QString& sentence) {
            return std::optional(axResult(word, sentence, true));
        };
        const auto show = [](const QString& word, const QString& sentence) {
            return u"overlay.show %1|%2|word"_s.arg(word, sentence);
        };
        const QString cat = u"The cat sat."_s, full = u"This is the full sentence here."_s;
        const MaybeOcr nothing, hund = OcrResult { u"Hund"_s, u"Der Hund bellt."_s };
        // clang-format off
        QTest::newRow("recognition agrees: kept, not refreshed") << low(u"cat"_s, cat) << 1 << MaybeOcr(OcrResult { u"cat"_s, u"Yes. The cat sat. Then"_s }) << QStringList { show(u"cat"_s, cat) };
        QTest::newRow("different word: switches to the recognized word") << low(u"cat"_s, cat) << 1 << MaybeOcr(OcrResult { u"cap"_s, u"The cap sat."_s }) << QStringList { show(u"cat"_s, cat), show(u"cap"_s, u"The cap sat."_s) };
        QTest::newRow("different word, unrelated shorter sentence: AX sentence with recognized word") << low(u"full"_s, full) << 1 << MaybeOcr(OcrResult { u"other"_s, u"Totally other."_s }) << QStringList { show(u"full"_s, full), show(u"other"_s, full) };
        QTest::newRow("same word, unrelated longer sentence: recognized sentence") << low(u"line"_s, u"Short line."_s) << 1 << MaybeOcr(OcrResult { u"line"_s, u"A much longer line."_s }) << QStringList { show(u"line"_s, u"Short line."_s), show(u"line"_s, u"A much longer line."_s) };
        QTest::newRow("nothing recognized: AX stays") << low(u"cat"_s, cat) << 1 << nothing << QStringList { show(u"cat"_s, cat) };
        QTest::newRow("blank recognized word: AX stays") << low(u"cat"_s, cat) << 1 << MaybeOcr(OcrResult { u" \t"_s, cat }) << QStringList { show(u"cat"_s, cat) };
        QTest::newRow("no screenshot possible: AX shown after recognition") << low(u"cat"_s, cat) << -1 << nothing << QStringList { show(u"cat"_s, cat) };
        // clang-format on
        const QStringList hundShown { show(u"Hund"_s, u"Der Hund bellt."_s) };
        // clang-format off
        QTest::newRow("no accessibility result") << std::optional<AxResult>() << 0 << hund << hundShown;
        QTest::newRow("empty word") << std::optional(axResult(QString(), cat, false)) << 0 << hund << hundShown;
        QTest::newRow("line break and tab, low confidence") << low(u"\n\t"_s, cat) << 0 << hund << hundShown;
        QTest::newRow("no-break space") << std::optional(axResult(u"\u00A0"_s, cat, false)) << 0 << hund << hundShown;
        QTest::newRow("nothing at all hides the panel") << std::optional<AxResult>() << 0 << nothing << QStringList { u"overlay.hide"_s };
        QTest::newRow("blank recognized word hides the panel") << std::optional<AxResult>() << 0 << MaybeOcr(OcrResult { u" "_s, cat }) << QStringList { u"overlay.hide"_s };
        // clang-format on
    }

    void wordThroughRecognition()
    {
        QFETCH(std::optional<AxResult>, ax);
        QFETCH(int, shownAtScreenshot);
        QFETCH(MaybeOcr, ocr);
        QFETCH(QStringList, journal);
        Rig rig;
        rig.word.next = ax;
        rig.coordinator.fire(HotkeyAction::Word);
        QCOMPARE(rig.environment.requestedPauses, (std::vector<std::chrono::milliseconds> { 80ms }));
        QCOMPARE(rig.ocr.count(), 0);
        rig.environment.releasePauses();
        settle();
        QCOMPARE(rig.ocr.count(), 1);
        QCOMPARE(rig.ocr.request(0).at, (PhysicalPoint { 300, 200 }));
        QCOMPARE(bool(rig.ocr.request(0).onScreenshotCaptured), shownAtScreenshot != 0);
        QVERIFY(rig.journal.isEmpty());
        if (shownAtScreenshot >= 0) {
            rig.ocr.takeScreenshot(0);
            QCOMPARE(rig.journal, journal.first(shownAtScreenshot));
        }
        rig.ocr.finish(0, ocr);
        settle();
        QCOMPARE(rig.journal, journal);
    }

    // The selection, or the recognized sentence around the pointer at once when there is none;
    // grammar analysis hides the lookup panel first.
    void selectionAndGrammarFlows_data()
    {
        QTest::addColumn<HotkeyAction>("action");
        QTest::addColumn<std::optional<QString>>("selection");
        QTest::addColumn<MaybeOcr>("ocr");
        QTest::addColumn<QStringList>("journal");
        const std::optional<QString> none;
        const MaybeOcr satz = OcrResult { u"habe"_s, u"Ich habe gegangen."_s };
        const HotkeyAction selection = HotkeyAction::Selection, grammar = HotkeyAction::GrammarAnalysis;
        // clang-format off
        QTest::newRow("selection shown") << selection << std::optional(u"a whole paragraph"_s) << MaybeOcr() << QStringList { u"overlay.show a whole paragraph||selection"_s };
        QTest::newRow("blank selection: recognized sentence shown as a selection") << selection << std::optional(u" \n"_s) << satz << QStringList { u"overlay.show Ich habe gegangen.||selection"_s };
        QTest::newRow("selection: nothing recognized") << selection << none << MaybeOcr() << QStringList {};
        QTest::newRow("selection: blank recognized sentence") << selection << none << MaybeOcr(OcrResult { u"w"_s, u" "_s }) << QStringList {};
        QTest::newRow("grammar of the selection") << grammar << std::optional(u"Ich habe gegangen."_s) << MaybeOcr() << QStringList { u"overlay.hide"_s, u"grammar.show Ich habe gegangen."_s };
        QTest::newRow("grammar of the recognized sentence") << grammar << none << satz << QStringList { u"overlay.hide"_s, u"grammar.show Ich habe gegangen."_s };
        QTest::newRow("grammar: nothing recognized") << grammar << none << MaybeOcr() << QStringList { u"overlay.hide"_s };
        // clang-format on
    }

    void selectionAndGrammarFlows()
    {
        QFETCH(HotkeyAction, action);
        QFETCH(std::optional<QString>, selection);
        QFETCH(MaybeOcr, ocr);
        QFETCH(QStringList, journal);
        Rig rig;
        rig.selection.next = selection;
        rig.coordinator.fire(action);
        settle();
        QVERIFY(rig.environment.requestedPauses.empty());
        const bool recognizes = !selection || selection->trimmed().isEmpty();
        QCOMPARE(rig.ocr.count(), recognizes ? 1 : 0);
        if (recognizes) {
            QCOMPARE(rig.ocr.request(0).at, (PhysicalPoint { 300, 200 }));
            rig.ocr.complete(0, ocr);
            settle();
        }
        QCOMPARE(rig.journal, journal);
        for (const auto& shown : rig.overlay.shown)
            QCOMPARE(shown.near, (LogicalPoint { 300, 200 }));
        for (const auto& shown : rig.grammar.shown)
            QCOMPARE(shown.near, (LogicalPoint { 300, 200 }));
    }

    // A capture still waiting (on its pause, the selection or the recognition) when a newer trigger
    // has shown its result: whatever the older one ends with, the newer result stays alone.
    void lateResultsNeverReplaceNewer_data()
    {
        QTest::addColumn<HotkeyAction>("action");
        QTest::addColumn<std::optional<AxResult>>("ax");
        QTest::addColumn<bool>("holdSelection");
        QTest::addColumn<bool>("pauseEndsLate");
        QTest::addColumn<MaybeOcr>("late");
        const MaybeOcr old = OcrResult { u"old"_s, u"The old one."_s };
        const std::optional<AxResult> noAx, lowAx = axResult(u"low"_s, u"A low one."_s, true);
        const HotkeyAction word = HotkeyAction::Word, selection = HotkeyAction::Selection,
                           grammar = HotkeyAction::GrammarAnalysis;
        QTest::newRow("fallback pause") << word << noAx << false << true << old;
        QTest::newRow("tie-break pause") << word << lowAx << false << true << old;
        QTest::newRow("fallback recognition") << word << noAx << false << false << old;
        QTest::newRow("fallback finding nothing never hides") << word << noAx << false << false << MaybeOcr();
        QTest::newRow("tie-break recognition") << word << lowAx << false << false << old;
        QTest::newRow("selection") << selection << noAx << true << false << MaybeOcr();
        QTest::newRow("selection recognition") << selection << noAx << false << false << old;
        QTest::newRow("grammar selection") << grammar << noAx << true << false << MaybeOcr();
        QTest::newRow("grammar recognition") << grammar << noAx << false << false << old;
    }

    void lateResultsNeverReplaceNewer()
    {
        QFETCH(HotkeyAction, action);
        QFETCH(std::optional<AxResult>, ax);
        QFETCH(bool, holdSelection);
        QFETCH(bool, pauseEndsLate);
        QFETCH(MaybeOcr, late);
        Rig rig;
        rig.selection.holdAnswers = holdSelection;
        rig.word.next = ax;
        rig.coordinator.fire(action);
        if (!pauseEndsLate)
            rig.environment.releasePauses();
        settle();
        QCOMPARE(rig.ocr.count() + rig.selection.pendingCount() + rig.environment.pendingPauses(), 1);

        rig.word.next = axResult(u"new"_s, u"The new one."_s, false);
        rig.coordinator.fire(HotkeyAction::Word);
        rig.selection.answer(u"late selection"_s);
        rig.environment.releasePauses();
        if (rig.ocr.count() > 0)
            rig.ocr.complete(0, late);
        settle();
        QCOMPARE(rig.ocr.count(), pauseEndsLate || holdSelection ? 0 : 1);
        const QStringList hidden
            = action == HotkeyAction::GrammarAnalysis ? QStringList { u"overlay.hide"_s } : QStringList {};
        QCOMPARE(rig.journal, hidden + QStringList { u"overlay.show new|The new one.|word"_s });
    }

    // A confident accessibility result is shown at once, with no pause and no recognition.
    void confidentResultThenQuickLookup()
    {
        Rig rig;
        rig.word.next = axResult(u"cat"_s, u"The cat sat."_s, false);
        rig.word.next->bounds = QRectF(10, 20, 300, 40);
        rig.coordinator.fire(HotkeyAction::Word);
        QVERIFY(rig.environment.requestedPauses.empty());
        QCOMPARE(rig.ocr.count(), 0);
        rig.coordinator.fire(HotkeyAction::QuickLookup);
        QCOMPARE(rig.journal,
            (QStringList { u"overlay.show cat|The cat sat.|word"_s, u"overlay.hide"_s, u"quickLookup.show"_s }));
        QCOMPARE(rig.overlay.shown[0].near, (LogicalPoint { 300, 200 }));
        // The quick lookup is no capture: it supersedes none.
        QCOMPARE(rig.coordinator.captureGeneration(), 1);
    }

    void releaseHidesUnlessHovered()
    {
        Rig rig;
        rig.overlay.hovering = true;
        rig.coordinator.hideLookupPanelUnlessHovered();
        QCOMPARE(rig.overlay.hideCount, 0);
        rig.overlay.hovering = false;
        rig.coordinator.hideLookupPanelUnlessHovered();
        QCOMPARE(rig.overlay.hideCount, 1);
    }

    void absentCollaboratorsDoNothing()
    {
        FakeCaptureEnvironment environment;
        CaptureCoordinator coordinator(CaptureCoordinator::Collaborators {}, environment);
        for (HotkeyAction action : HotkeyActionIds::kAll) {
            coordinator.fire(action);
            environment.releasePauses();
            settle();
        }
        QCOMPARE(coordinator.captureGeneration(), 3);
        coordinator.hideLookupPanelUnlessHovered();
    }

    // Recognition reads physical pixels at the pointer; the panel goes to the logical point.
    void recognitionAtThePhysicalPoint()
    {
        Rig rig;
        // Physically 1920 x 1080 at (-1920, -1080); Qt keeps its corner and halves its extent.
        rig.environment.layout
            = ScreenPointMapper({ { QRect(0, 0, 1920, 1080), 1.0 }, { QRect(-1920, -1080, 960, 540), 2.0 } });
        rig.environment.mouse = LogicalPoint { -1500, -700 };
        rig.coordinator.fire(HotkeyAction::Word);
        rig.environment.releasePauses();
        settle();
        QCOMPARE(rig.ocr.request(0).at, (PhysicalPoint { -1080, -320 }));
        rig.ocr.complete(0, OcrResult { u"w"_s, u"s"_s });
        settle();
        QCOMPARE(rig.overlay.shown.size(), 1);
        QCOMPARE(rig.overlay.shown[0].near, (LogicalPoint { -1500, -700 }));
    }

    // The mapping the flows read the screen through: logical to physical, and back where the
    // physical point is exactly a logical one.
    void mapping_data()
    {
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<LogicalPoint>("logical");
        QTest::addColumn<PhysicalPoint>("physical");
        QTest::addColumn<bool>("back");
        const Screens single1 = { { QRect(0, 0, 1920, 1080), 1.0 } };
        const Screens single2 = { { QRect(0, 0, 960, 540), 2.0 } };
        const Screens leftAbove1 = { { QRect(0, 0, 1920, 1080), 1.0 }, { QRect(-1280, -1024, 1280, 1024), 1.0 } };
        // clang-format off
        QTest::newRow("no screens: identity, rounded") << Screens {} << LogicalPoint { 12.4, -7 } << PhysicalPoint { 12, -7 } << false;
        QTest::newRow("no screens: identity") << Screens {} << LogicalPoint { 5, -3 } << PhysicalPoint { 5, -3 } << true;
        QTest::newRow("one screen at scale 1: identity") << single1 << LogicalPoint { 300, 200 } << PhysicalPoint { 300, 200 } << true;
        QTest::newRow("one screen at scale 2") << single2 << LogicalPoint { 300, 200 } << PhysicalPoint { 600, 400 } << true;
        QTest::newRow("scale 2, half logical pixel") << single2 << LogicalPoint { 300.5, 0.5 } << PhysicalPoint { 601, 1 } << true;
        QTest::newRow("scale 2, bottom-right pixel") << single2 << LogicalPoint { 959.5, 539.5 } << PhysicalPoint { 1919, 1079 } << true;
        QTest::newRow("screen above and left at scale 1") << leftAbove1 << LogicalPoint { -1, -1 } << PhysicalPoint { -1, -1 } << true;
        QTest::newRow("screen above and left at scale 1, its corner") << leftAbove1 << LogicalPoint { -1280, -1024 } << PhysicalPoint { -1280, -1024 } << true;
        QTest::newRow("scale 2 screen above and left, its corner") << mixedLayout() << LogicalPoint { -2560, -1440 } << PhysicalPoint { -2560, -1440 } << true;
        QTest::newRow("scale 2 screen above and left, inside") << mixedLayout() << LogicalPoint { -2000, -1000 } << PhysicalPoint { -1440, -560 } << true;
        QTest::newRow("scale 2 screen above and left, last pixel, by its physical extent") << mixedLayout() << LogicalPoint { -1280.5, -720.5 } << PhysicalPoint { -1, -1 } << true;
        QTest::newRow("primary in a mixed layout") << mixedLayout() << LogicalPoint { 0, 0 } << PhysicalPoint { 0, 0 } << true;
        QTest::newRow("primary, not the scale 2 screen's logical rectangle") << mixedLayout() << LogicalPoint { 100, 100 } << PhysicalPoint { 100, 100 } << true;
        QTest::newRow("right screen in a mixed layout") << mixedLayout() << LogicalPoint { 3000, 1000 } << PhysicalPoint { 3000, 1000 } << true;
        QTest::newRow("off every screen: nearest one, scale 2") << mixedLayout() << LogicalPoint { -2600, -1500 } << PhysicalPoint { -2640, -1560 } << true;
        // clang-format on
    }
    void mapping()
    {
        QFETCH(Screens, screens);
        QFETCH(LogicalPoint, logical);
        QFETCH(PhysicalPoint, physical);
        QFETCH(bool, back);
        const ScreenPointMapper mapper(screens);
        QCOMPARE(mapper.toPhysical(logical), physical);
        if (back)
            QCOMPARE(mapper.toLogical(physical), logical);
    }
};

QTEST_GUILESS_MAIN(TestCaptureCoordinator)
#include "TestCaptureCoordinator.moc"
