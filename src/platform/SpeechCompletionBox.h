#pragma once

#include <QByteArray>
#include <QMutex>
#include <QObject>

#include <optional>

// The single result of one synthesis. resume() may be called from any thread and any number of
// times (end of speech, a write error, a failed call); only the first call counts. The waiting
// coroutine is woken on the box's own thread through finished(), emitted exactly once.
class SpeechCompletionBox : public QObject
{
    Q_OBJECT
public:
    explicit SpeechCompletionBox(QObject* parent = nullptr);

    // True when this call delivered the result, false when the box had already been resumed.
    bool resume(std::optional<QByteArray> bytes);
    bool isResumed() const;
    std::optional<QByteArray> result() const;

Q_SIGNALS:
    void finished();

private:
    mutable QMutex m_lock;
    bool m_resumed = false;
    std::optional<QByteArray> m_bytes;
};
