#pragma once

#include "platform/TextRecognizer.h"

#include <QThreadPool>

#include <memory>
#include <optional>

// Text recognition with Tesseract's LSTM engine. Engines are expensive to initialise (language
// data is loaded and unpacked), so one is kept warm per language set and every call runs on one
// worker thread, which is also where the engines live.
class TesseractRecognizer : public TextRecognizer
{
public:
    struct Options
    {
        // Screen text is small for the recogniser; it reads it better enlarged.
        int upscale = 2;
        // Where the traineddata files are; empty for Tesseract's own default.
        QString dataPath;
    };

    TesseractRecognizer();
    explicit TesseractRecognizer(Options options);
    ~TesseractRecognizer() override;

    QCoro::Task<Recognition> recognize(QImage image, QStringList languages, QPoint focus) override;
    // Loads the engine for these languages on the worker thread, without waiting.
    void prepare(QStringList languages) override;
    QStringList installedLanguages() const override { return installedLanguagesIn(m_dataPath); }
    // The same synchronously, on the calling thread's behalf; false when loading failed.
    bool prepareAndWait(const QStringList& languages);

    // Tesseract's LSTM asks OpenMP for a team of threads on every line; with a team, recognising
    // a band of screen text takes about four times as long on a desktop's few busy cores.
    // OpenMP reads its thread limit once, when the process loads it, so the limit is set and
    // the program restarted with it before anything else runs. Call first thing in main().
    static void limitThreadsBeforeStart(char* argv[]);

    // The traineddata names in a data folder (Tesseract's own default when empty).
    static QStringList installedLanguagesIn(const QString& dataPath);

private:
    // The warm engines and the recognition itself; used only on the worker thread.
    struct Engines;

    QString m_dataPath;
    std::shared_ptr<Engines> m_engines;
    QThreadPool m_pool;
};
