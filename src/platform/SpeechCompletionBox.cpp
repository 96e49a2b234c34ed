#include "platform/SpeechCompletionBox.h"

#include <QMetaObject>

SpeechCompletionBox::SpeechCompletionBox(QObject* parent)
    : QObject(parent)
{
}

bool SpeechCompletionBox::resume(std::optional<QByteArray> bytes)
{
    {
        QMutexLocker locker(&m_lock);
        if (m_resumed)
            return false;
        m_resumed = true;
        m_bytes = std::move(bytes);
    }
    // Always queued: the waiter is suspended on the box's thread before the signal is delivered.
    QMetaObject::invokeMethod(
        this, [this] { Q_EMIT finished(); }, Qt::QueuedConnection);
    return true;
}

bool SpeechCompletionBox::isResumed() const
{
    QMutexLocker locker(&m_lock);
    return m_resumed;
}

std::optional<QByteArray> SpeechCompletionBox::result() const
{
    QMutexLocker locker(&m_lock);
    return m_bytes;
}

#include "moc_SpeechCompletionBox.cpp"
