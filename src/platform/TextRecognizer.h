#pragma once

#include "platform/RecognizedLine.h"

#include <QCoroTask>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

// Text recognition on an image. Lines come back in the image's pixel coordinates, in reading
// order; recognition runs off the calling thread and the caller resumes on its own thread.
class TextRecognizer
{
public:
    struct Recognition
    {
        QList<RecognizedLine> lines;
        QString error; // set when recognition itself failed
    };

    virtual ~TextRecognizer() = default;

    // languages are the recogniser's own language names, in order of preference. focus is the
    // point (in the image) whose text matters most: its surroundings decide whether the image
    // is light text on a dark ground.
    virtual QCoro::Task<Recognition> recognize(QImage image, QStringList languages, QPoint focus) = 0;
    // Loads what recognising these languages needs ahead of the first call, without waiting.
    virtual void prepare(QStringList languages) = 0;
    // The language names the recogniser has data for.
    virtual QStringList installedLanguages() const = 0;
};
