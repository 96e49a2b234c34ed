#pragma once

#include "capture/LogicalPoint.h"
#include "capture/OCRCaptureService.h"
#include "capture/PhysicalPoint.h"
#include "capture/WordCaptureService.h"
#include "hotkeys/HotkeyAction.h"

#include <QCoroTask>
#include <QObject>
#include <QString>

class CaptureEnvironment;
class CaptureOverlayPanel;
class GrammarAnalysisPanel;
class QuickLookupPanel;
class SelectionCaptureService;

// Turns a fired trigger into a captured word, selection or sentence for the right panel.
// Every word, selection and grammar trigger takes a new generation; a result that arrives
// after a newer trigger has started is dropped, so it never replaces or hides what the newer
// trigger shows. Capture services work in physical pixels, panels in logical ones; the
// pointer is read once per flow and converted once.
//
// Any collaborator may be absent while its backend is not part of the build: an absent
// capture service finds nothing, an absent panel shows nothing.
class CaptureCoordinator : public QObject
{
    Q_OBJECT
public:
    struct Collaborators
    {
        WordCaptureService* word = nullptr;
        SelectionCaptureService* selection = nullptr;
        OCRCaptureService* ocr = nullptr;
        CaptureOverlayPanel* overlay = nullptr;
        QuickLookupPanel* quickLookup = nullptr;
        GrammarAnalysisPanel* grammar = nullptr;
    };

    CaptureCoordinator(Collaborators collaborators, CaptureEnvironment& environment, QObject* parent = nullptr);

    void fire(HotkeyAction action);

    void performWordCapture();
    void performSelectionCapture();
    void performGrammarAnalysis();

    // Orders the lookup panel out unless the pointer is over it (trigger released).
    void hideLookupPanelUnlessHovered();

    qint64 captureGeneration() const { return m_captureGeneration; }

private:
    struct Flow
    {
        qint64 generation = 0;
        qint64 startMs = 0;
        LogicalPoint mouse;
        PhysicalPoint at;
    };

    Flow beginFlow();
    bool isCurrent(const Flow& flow) const { return flow.generation == m_captureGeneration; }
    qint64 elapsedMs(const Flow& flow) const;

    QCoro::Task<void> runTieBreak(Flow flow, WordCaptureService::CaptureResult ax);
    QCoro::Task<void> runOcrFallback(Flow flow);
    QCoro::Task<void> runSelectionCapture(Flow flow);
    QCoro::Task<void> runGrammarAnalysis(Flow flow);
    QCoro::Task<std::optional<QString>> selectedText();
    QCoro::Task<std::optional<OCRCaptureService::CaptureResult>> recognize(
        PhysicalPoint at, std::function<void()> onScreenshot);

    void showLookup(const QString& word, const QString& sentence, LogicalPoint near, bool isSelection);
    void hideLookup();
    void showGrammar(const QString& sentence, LogicalPoint near);

    Collaborators m_collaborators;
    CaptureEnvironment& m_environment;
    qint64 m_captureGeneration = 0;
};
