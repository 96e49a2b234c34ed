#include "capture/CaptureCoordinator.h"

#include "capture/CaptureEnvironment.h"
#include "capture/CaptureOverlayPanel.h"
#include "capture/GrammarAnalysisPanel.h"
#include "capture/QuickLookupPanel.h"
#include "capture/SelectionCaptureService.h"
#include "capture/SentenceTieBreak.h"
#include "diagnostics/QMLog.h"

#include <QPointer>

#include <memory>

namespace {

using namespace std::chrono_literals;

// The only fixed delay of the flows: lets the application under the pointer settle before
// the screenshot is taken.
constexpr auto kScreenshotPause = 80ms;

QString boundsText(const std::optional<QRectF>& bounds)
{
    if (!bounds)
        return QStringLiteral("nil");
    return QStringLiteral("{{%1, %2}, {%3, %4}}")
        .arg(bounds->x())
        .arg(bounds->y())
        .arg(bounds->width())
        .arg(bounds->height());
}

} // namespace

CaptureCoordinator::CaptureCoordinator(Collaborators collaborators, CaptureEnvironment& environment, QObject* parent)
    : QObject(parent)
    , m_collaborators(collaborators)
    , m_environment(environment)
{
}

void CaptureCoordinator::fire(HotkeyAction action)
{
    switch (action) {
    case HotkeyAction::Word:
        performWordCapture();
        return;
    case HotkeyAction::Selection:
        performSelectionCapture();
        return;
    case HotkeyAction::QuickLookup:
        hideLookup();
        if (m_collaborators.quickLookup)
            m_collaborators.quickLookup->show();
        else
            qCDebug(lcCapture) << "Quick lookup panel is not part of this build";
        return;
    case HotkeyAction::GrammarAnalysis:
        hideLookup();
        performGrammarAnalysis();
        return;
    }
}

CaptureCoordinator::Flow CaptureCoordinator::beginFlow()
{
    Flow flow;
    flow.generation = ++m_captureGeneration;
    flow.startMs = m_environment.nowMs();
    flow.mouse = m_environment.mouseLocation();
    flow.at = m_environment.screens().toPhysical(flow.mouse);
    return flow;
}

qint64 CaptureCoordinator::elapsedMs(const Flow& flow) const
{
    return m_environment.nowMs() - flow.startMs;
}

void CaptureCoordinator::performWordCapture()
{
    const Flow flow = beginFlow();
    std::optional<WordCaptureService::CaptureResult> ax;
    if (m_collaborators.word)
        ax = m_collaborators.word->captureWordAtMouseLocation();
    else
        qCDebug(lcCapture) << "Accessibility word capture is not part of this build";

    // A word of nothing but white space is no word: recognition may still find one.
    if (!ax || ax->word.trimmed().isEmpty()) {
        qCDebug(lcCapture) << "No word captured via Accessibility — falling back to OCR";
        runOcrFallback(flow);
        return;
    }
    qCDebug(lcCapture).noquote() << QStringLiteral("Captured word: %1").arg(ax->word);
    qCDebug(lcCapture).noquote() << QStringLiteral("Sentence: %1").arg(ax->sentence);
    qCDebug(lcCapture).noquote() << QStringLiteral("Bounds: %1").arg(boundsText(ax->bounds));
    qCDebug(lcCapture).noquote() << QStringLiteral("performWordCapture total: %1ms").arg(elapsedMs(flow));
    if (!ax->isLowConfidence) {
        showLookup(ax->word, ax->sentence, flow.mouse, false);
        return;
    }
    runTieBreak(flow, *ax);
}

QCoro::Task<void> CaptureCoordinator::runTieBreak(Flow flow, WordCaptureService::CaptureResult ax)
{
    QPointer<CaptureCoordinator> self(this);
    co_await m_environment.pause(kScreenshotPause);
    if (!self || !isCurrent(flow))
        co_return;

    // The accessibility result goes on screen as soon as the screenshot exists, while the
    // recognition still runs.
    auto shown = std::make_shared<bool>(false);
    auto showAccessibilityResult = [self, shown, flow, ax] {
        if (!self || *shown || !self->isCurrent(flow))
            return;
        *shown = true;
        self->showLookup(ax.word, ax.sentence, flow.mouse, false);
    };
    const auto ocr = co_await recognize(flow.at, showAccessibilityResult);
    if (!self)
        co_return;
    // No screenshot could be taken: show the accessibility result now.
    showAccessibilityResult();

    if (!ocr || ocr->word.trimmed().isEmpty()) {
        qCDebug(lcCapture) << "OCR tie-break found nothing usable — keeping low-confidence AX result";
        co_return;
    }
    if (!isCurrent(flow)) {
        qCDebug(lcCapture) << "OCR tie-break arrived too late (newer capture in progress) — discarding";
        co_return;
    }
    const QString sentence = SentenceTieBreak::choose(ax.sentence, ocr->sentence);
    if (ocr->word == ax.word && sentence == ax.sentence) {
        qCDebug(lcCapture) << "OCR tie-break agrees with AX result — no change needed";
        co_return;
    }
    qCDebug(lcCapture).noquote()
        << QStringLiteral("OCR tie-break overrides low-confidence AX result: \"%1\" → \"%2\"").arg(ax.word, ocr->word);
    showLookup(ocr->word, sentence, flow.mouse, false);
}

QCoro::Task<void> CaptureCoordinator::runOcrFallback(Flow flow)
{
    QPointer<CaptureCoordinator> self(this);
    co_await m_environment.pause(kScreenshotPause);
    if (!self || !isCurrent(flow))
        co_return;
    const std::function<void()> noScreenshotAction;
    const auto ocr = co_await recognize(flow.at, noScreenshotAction);
    if (!self)
        co_return;
    if (!ocr || ocr->word.trimmed().isEmpty()) {
        qCDebug(lcCapture) << "No word captured via OCR either";
        // Only the newest flow may take the panel away; an older one would hide its result.
        if (isCurrent(flow))
            hideLookup();
        co_return;
    }
    if (!isCurrent(flow)) {
        qCDebug(lcCapture) << "OCR result arrived too late (newer capture in progress) — discarding";
        co_return;
    }
    qCDebug(lcCapture).noquote() << QStringLiteral("performWordCapture total (OCR path): %1ms").arg(elapsedMs(flow));
    showLookup(ocr->word, ocr->sentence, flow.mouse, false);
}

void CaptureCoordinator::performSelectionCapture()
{
    runSelectionCapture(beginFlow());
}

QCoro::Task<void> CaptureCoordinator::runSelectionCapture(Flow flow)
{
    QPointer<CaptureCoordinator> self(this);
    const auto text = co_await selectedText();
    if (!self)
        co_return;
    if (text) {
        if (!isCurrent(flow)) {
            qCDebug(lcCapture) << "Selected text arrived too late (newer capture in progress) — discarding";
            co_return;
        }
        qCDebug(lcCapture).noquote() << QStringLiteral("Selected text: %1").arg(*text);
        qCDebug(lcCapture).noquote() << QStringLiteral("performSelectionCapture total: %1ms").arg(elapsedMs(flow));
        showLookup(*text, QString(), flow.mouse, true);
        co_return;
    }
    qCDebug(lcCapture) << "No active selection to translate — trying OCR around cursor";
    const std::function<void()> noScreenshotAction;
    const auto ocr = co_await recognize(flow.at, noScreenshotAction);
    if (!self)
        co_return;
    if (!ocr || ocr->sentence.trimmed().isEmpty()) {
        qCDebug(lcCapture) << "OCR also found nothing for selection";
        co_return;
    }
    if (!isCurrent(flow)) {
        qCDebug(lcCapture) << "Selection OCR fallback arrived too late — discarding";
        co_return;
    }
    qCDebug(lcCapture).noquote()
        << QStringLiteral("performSelectionCapture total (OCR path): %1ms").arg(elapsedMs(flow));
    showLookup(ocr->sentence, QString(), flow.mouse, true);
}

void CaptureCoordinator::performGrammarAnalysis()
{
    runGrammarAnalysis(beginFlow());
}

QCoro::Task<void> CaptureCoordinator::runGrammarAnalysis(Flow flow)
{
    QPointer<CaptureCoordinator> self(this);
    const auto text = co_await selectedText();
    if (!self)
        co_return;
    if (text) {
        if (!isCurrent(flow)) {
            qCDebug(lcGrammar) << "Grammar analysis selection arrived too late — discarding";
            co_return;
        }
        showGrammar(*text, flow.mouse);
        co_return;
    }
    qCDebug(lcGrammar) << "No active selection for grammar analysis — trying OCR around cursor";
    const std::function<void()> noScreenshotAction;
    const auto ocr = co_await recognize(flow.at, noScreenshotAction);
    if (!self)
        co_return;
    if (!ocr || ocr->sentence.trimmed().isEmpty()) {
        qCDebug(lcGrammar) << "OCR also found nothing for grammar analysis";
        co_return;
    }
    if (!isCurrent(flow)) {
        qCDebug(lcGrammar) << "Grammar analysis OCR fallback arrived too late — discarding";
        co_return;
    }
    showGrammar(ocr->sentence, flow.mouse);
}

QCoro::Task<std::optional<QString>> CaptureCoordinator::selectedText()
{
    std::optional<QString> text;
    if (m_collaborators.selection)
        text = co_await m_collaborators.selection->captureSelectedText();
    else
        qCDebug(lcCapture) << "Selection capture is not part of this build";
    if (text && text->trimmed().isEmpty())
        text.reset();
    co_return text;
}

QCoro::Task<std::optional<OCRCaptureService::CaptureResult>> CaptureCoordinator::recognize(
    PhysicalPoint at, std::function<void()> onScreenshot)
{
    std::optional<OCRCaptureService::CaptureResult> result;
    if (m_collaborators.ocr)
        result = co_await m_collaborators.ocr->captureWord(at, std::move(onScreenshot));
    else
        qCDebug(lcCapture) << "Screenshot text recognition is not part of this build";
    co_return result;
}

void CaptureCoordinator::showLookup(const QString& word, const QString& sentence, LogicalPoint near, bool isSelection)
{
    if (!m_collaborators.overlay) {
        qCDebug(lcCapture) << "Lookup panel is not part of this build";
        return;
    }
    m_collaborators.overlay->show(word, sentence, near, isSelection);
}

void CaptureCoordinator::hideLookup()
{
    if (m_collaborators.overlay)
        m_collaborators.overlay->hide();
}

void CaptureCoordinator::hideLookupPanelUnlessHovered()
{
    if (m_collaborators.overlay && !m_collaborators.overlay->isHovering())
        m_collaborators.overlay->hide();
}

void CaptureCoordinator::showGrammar(const QString& sentence, LogicalPoint near)
{
    if (!m_collaborators.grammar) {
        qCDebug(lcGrammar) << "Grammar analysis panel is not part of this build";
        return;
    }
    m_collaborators.grammar->show(sentence, near);
}
