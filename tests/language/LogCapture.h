#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

// Collects the messages of the application's log channels while it lives, debug level included.
class LogCapture
{
public:
    LogCapture()
    {
        s_lines.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("quillmoor.*.debug=true"));
        m_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // "category: message" lines.
    const QStringList& lines() const { return s_lines; }
    bool contains(const QString& text) const
    {
        for (const QString& line : s_lines) {
            if (line.contains(text))
                return true;
        }
        return false;
    }
    void clear() { s_lines.clear(); }

private:
    static void handle(QtMsgType, const QMessageLogContext& context, const QString& message)
    {
        s_lines << QString::fromUtf8(context.category ? context.category : "default") + QStringLiteral(": ") + message;
    }

    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};
