#pragma once

#include "language/TranslationBackend.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>

#include <deque>
#include <memory>

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
    static constexpr int kDefaultTimeoutMs = 15000;

    // `modeFile`: the pair's .mode file. `command`: the shell pipeline to run instead of the
    // mode's own; empty for the mode's.
    explicit ApertiumPairProcess(QString modeFile, QString command = QString(), QObject* parent = nullptr);
    ~ApertiumPairProcess() override;

    QString modeFile() const { return m_modeFile; }
    QCoro::Task<TranslationBackend::Result> translate(QString text);

    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    // The pipeline's process id, 0 while none runs.
    qint64 processId() const;
    // Number of pipelines started so far.
    int starts() const { return m_starts; }

    // Removes the marks apertium leaves on words it could not handle ("*" unknown, "@" missing from
    // the bilingual dictionary, "#" not generated), except marks the source text itself carries.
    static QString stripMarks(const QString& translation, const QString& source);
    // Text into apertium's stream format (special characters escaped, the closing blank added), and
    // the pipeline's output back into text.
    static QString toStream(const QString& text);
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
    int m_timeoutMs = kDefaultTimeoutMs;
    int m_starts = 0;
};
