#pragma once

#include "capture/OCRCaptureService.h"
#include "platform/RecognizedLine.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QStringList>

#include <functional>

class ScreenGrabber;
class TextRecognizer;

// The word under the pointer read from a screenshot of the 1400 × 800 region around it.
// Quillmoor's own windows are blanked out before recognition. To answer quickly, a band of lines
// around the pointer is recognised first; the whole region is read only when the band cannot
// give the same answer (no line at the pointer, or the lines a sentence may join reach past it).
class ScreenOCRCapture : public OCRCaptureService
{
public:
    // Region size around the pointer, at scale 1.
    static constexpr int kRegionWidth = 1400;
    static constexpr int kRegionHeight = 800;
    // Half the height of the first band, at scale 1.
    static constexpr int kBandHalfHeight = 120;
    // How far from the chosen line's centre, in line heights, the sentence may take lines.
    static constexpr qreal kBandReachInLines = 2.5;

    struct Screen
    {
        QRect geometry; // global physical pixels
        qreal scale = 1.0; // device pixel ratio
    };

    struct Environment
    {
        std::function<QList<Screen>()> screens;
        // Visible windows of this application, in global physical pixels.
        std::function<QList<QRect>()> ownWindows;
        // The recogniser's languages to read with.
        std::function<QStringList()> languages;
    };

    // The running application's screens and visible windows.
    static Environment desktopEnvironment(std::function<QStringList()> languages);

    ScreenOCRCapture(ScreenGrabber& grabber, TextRecognizer& recognizer, Environment environment);

    QCoro::Task<std::optional<CaptureResult>> captureWord(
        PhysicalPoint at, std::function<void()> onScreenshotCaptured = {}) override;

    // Off: always the whole region (for comparing both paths).
    void setBandFirst(bool on) { m_bandFirst = on; }
    // Which path gave the last result; for tests and benchmarks.
    bool lastUsedBand() const { return m_lastUsedBand; }

    // The region around the pointer, pushed inside the screen (sticking out left and top on a
    // screen smaller than the region).
    static QRect captureRegion(QPoint pointer, const QRect& screen, qreal scale);
    // The horizontal band of the region centred on the pointer.
    static QRect bandAround(QPoint pointer, const QRect& region, qreal scale);
    // True when the band holds the line at the pointer and everything its sentence may join.
    static bool bandSuffices(
        const QList<RecognizedLine>& lines, QPoint pointer, const QRect& band, const QRect& region);
    // Own windows painted over in the surrounding colour, so the recogniser sees nothing there.
    static void blank(QImage& image, const QRect& region, const QList<QRect>& windows);

private:
    QCoro::Task<std::optional<QList<RecognizedLine>>> recognizeArea(
        const QImage& image, const QRect& region, const QRect& area, const QStringList& languages, QPoint pointer);

    ScreenGrabber& m_grabber;
    TextRecognizer& m_recognizer;
    Environment m_environment;
    bool m_bandFirst = true;
    bool m_lastUsedBand = false;
};
