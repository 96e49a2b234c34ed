#include "support/CapturedLog.h"

#include <QLoggingCategory>

CapturedLog::CapturedLog()
{
    s_current = this;
    m_previous = qInstallMessageHandler(&CapturedLog::handler);
    QLoggingCategory::setFilterRules(QStringLiteral("quillmoor.*.debug=true"));
}

CapturedLog::~CapturedLog()
{
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(m_previous);
    s_current = nullptr;
}

QStringList CapturedLog::messages(const QString& category) const
{
    QStringList list;
    for (const Entry& entry : m_entries) {
        if (entry.category == category)
            list.append(entry.message);
    }
    return list;
}

QStringList CapturedLog::lines() const
{
    QStringList list;
    for (const Entry& entry : m_entries)
        list.append(entry.category + QStringLiteral(": ") + entry.message);
    return list;
}

void CapturedLog::handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!s_current)
        return;
    s_current->m_entries.append(Entry { type, QString::fromUtf8(context.category ? context.category : ""), message });
}
