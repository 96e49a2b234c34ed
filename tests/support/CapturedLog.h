#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Collects the application's log messages while it lives, debug level included, and restores
// the previous handler and filter rules afterwards. One instance at a time.
class CapturedLog
{
public:
    struct Entry
    {
        QtMsgType type;
        QString category;
        QString message;
    };

    CapturedLog();
    ~CapturedLog();
    CapturedLog(const CapturedLog&) = delete;
    CapturedLog& operator=(const CapturedLog&) = delete;

    const QList<Entry>& entries() const { return m_entries; }
    // Messages of one category ("quillmoor.capture"), in order.
    QStringList messages(const QString& category) const;
    // "category: message" lines, in order.
    QStringList lines() const;
    bool contains(const QString& text) const { return lines().join(QLatin1Char('\n')).contains(text); }
    void clear() { m_entries.clear(); }

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& message);

    static inline CapturedLog* s_current = nullptr;
    QtMessageHandler m_previous = nullptr;
    QList<Entry> m_entries;
};
