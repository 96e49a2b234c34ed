#include "diagnostics/DiagnosticsService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>
#include <QStringDecoder>

namespace {
QMutex s_fileMutex;
}

DiagnosticsService::DiagnosticsService(QString filePath, std::function<QDateTime()> clock)
    : m_filePath(std::move(filePath))
    , m_clock(clock ? std::move(clock) : [] { return QDateTime::currentDateTimeUtc(); })
{
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
}

QString DiagnosticsService::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/quillmoor/diagnostics.log");
}

QByteArray DiagnosticsService::entry(Kind kind, const QDateTime& when, const QString& payload)
{
    const QString kindText = kind == Kind::Diagnostic ? QStringLiteral("diagnostic") : QStringLiteral("metric");
    const QString stamp = when.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" +0000");
    return (QStringLiteral("\n--- ") + kindText + QLatin1Char(' ') + stamp + QStringLiteral(" ---\n") + payload
        + QLatin1Char('\n'))
        .toUtf8();
}

void DiagnosticsService::didReceive(Kind kind, const QList<QByteArray>& payloadsJson)
{
    for (const QByteArray& json : payloadsJson) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(json);
        if (decoder.hasError())
            continue;
        const QByteArray bytes = entry(kind, m_clock(), text);
        QMutexLocker lock(&s_fileMutex);
        // Append only: a failure to open loses this entry and never replaces the file.
        QFile file(m_filePath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
            continue;
        file.write(bytes);
    }
}
