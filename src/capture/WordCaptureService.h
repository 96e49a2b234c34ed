#pragma once

#include <QRectF>
#include <QString>

#include <optional>

// The word and sentence under the pointer, read from the accessibility tree of the
// application below it. Synchronous and on the GUI thread, inside the trigger's event.
class WordCaptureService
{
public:
    struct CaptureResult
    {
        QString word;
        // The sentence that holds the word, as the accessibility tree gives it.
        QString sentence;
        // Frame of the element that holds the text, in global physical pixels (top-left
        // origin); absent when the element reports none.
        std::optional<QRectF> bounds;
        // The word's place in the text was estimated rather than reported by the element.
        bool isLowConfidence = false;
        // The sentence came from an ancestor's text rather than from the element alone.
        bool sentenceSpansMultipleElements = false;

        friend bool operator==(const CaptureResult&, const CaptureResult&) = default;
    };

    virtual ~WordCaptureService() = default;

    virtual std::optional<CaptureResult> captureWordAtMouseLocation() = 0;
};
