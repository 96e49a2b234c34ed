#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

// Appends performance and crash diagnostics to diagnostics.log in the application's data folder.
// The file is only ever appended to; it is read when the user attaches it to feedback.
class DiagnosticsService
{
public:
    enum class Kind { Diagnostic, Metric };

    // $XDG_DATA_HOME/quillmoor/diagnostics.log by default. The folder is created here. Entries are
    // stamped from `clock` when given (tests pin it), else from the system clock.
    explicit DiagnosticsService(QString filePath = defaultFilePath(), std::function<QDateTime()> clock = {});

    static QString defaultFilePath();
    QString filePath() const { return m_filePath; }

    // One entry per payload, in order; payloads that are not UTF-8 text are skipped.
    // Safe from any thread.
    void didReceive(Kind kind, const QList<QByteArray>& payloadsJson);

    // The entry exactly as it is appended, for one payload received at `when`.
    static QByteArray entry(Kind kind, const QDateTime& when, const QString& payload);

private:
    QString m_filePath;
    std::function<QDateTime()> m_clock;
};
