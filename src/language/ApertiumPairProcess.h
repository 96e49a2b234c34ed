#pragma once

#include "language/TranslationBackend.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>

#include <chrono>
#include <deque>
#include <memory>

// How an Apertium pipeline is run (ApertiumPairProcess::Options). Defined out here so that it can
// be a defaulted constructor argument.
struct ApertiumPairOptions
{
    // The shell pipeline to run instead of the mode's own; empty for the mode's.
    QString command;
    // How long one request may wait for its translation before the pipeline is stopped.
    std::chrono::milliseconds timeout { 15000 };
};

// One long-lived Apertium pipeline for one language pair in null-flush mode: every request is
// written followed by a NUL and its translation comes back followed by a NUL, so the dictionaries
// are loaded once and not per sentence. A pipeline that dies is started again by the next request.
//
// The pipeline is the pair's mode as `apertium-wblank-mode -z` spells it out, run by bash. The
// `apertium` script itself cannot serve here: its text deformatter swallows NULs and its gawk
// wrappers hold answers back until more input arrives. So this class writes Apertium's stream
// format itself and runs the pipeline with the script's "-u" choice (no marks on unknown words).
class ApertiumPairProcess : public QObject
{
    Q_OBJECT
public:
    using Options = ApertiumPairOptions;

    // `modeFile`: the pair's .mode file.
    explicit ApertiumPairProcess(QString modeFile, Options options = {}, QObject* parent = nullptr);
    ~ApertiumPairProcess() override;

    QString modeFile() const { return m_modeFile; }
    // The translation of `text`; with a mark, also what became of text[markStart, markStart +
    // markLength) (Result::marked), when the pair kept track of it.
    QCoro::Task<TranslationBackend::Result> translate(QString text, qsizetype markStart = -1, qsizetype markLength = 0);

    // Removes the marks apertium leaves on words it could not handle ("*" unknown, "@" missing from
    // the bilingual dictionary, "#" not generated), except marks the source text itself carries.
    static QString stripMarks(const QString& translation, const QString& source);
    // Text into apertium's stream format (special characters escaped, the closing blank added;
    // the words of the marked stretch wrapped in word-bound blanks, which follow each word through
    // the translation), and the pipeline's output back into text.
    static QString toStream(const QString& text, qsizetype markStart = -1, qsizetype markLength = 0);
    struct Output
    {
        QString text;
        std::optional<QString> marked; // the words that carried the mark, in order
    };
    static Output readStream(const QString& stream);
    // The translation's first letter in the case of the source's first letter, when that is lower case.
    static QString matchInitialCase(const QString& translation, const QString& source);
    static QString fromStream(const QString& stream);

Q_SIGNALS:
    void settled();
    void prepared();

private:
    struct Request
    {
        bool done = false;
        TranslationBackend::Result result;
    };

    bool isRunning() const;
    QCoro::Task<bool> ensureRunning();
    QCoro::Task<bool> start();
    QCoro::Task<QString> modeCommand();
    void onOutput();
    void onFinished();
    void failAll(const QString& reason);
    void stop();
    void killGroup();

    QString m_modeFile;
    QString m_name; // for the log
    QString m_command;
    bool m_preparing = false;
    std::unique_ptr<QProcess> m_process;
    qint64 m_group = 0; // the pipeline's process group, 0 when none runs
    QByteArray m_buffer;
    std::deque<std::shared_ptr<Request>> m_pending;
    std::chrono::milliseconds m_timeout;
};
