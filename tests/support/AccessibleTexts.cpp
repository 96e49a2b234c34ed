#include "support/AccessibleTexts.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>

QStringList accessibleTextsOfThisProcess()
{
    QProcess reader;
    reader.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    reader.start(QStringLiteral("/usr/bin/python3"),
        { QString::fromUtf8(qgetenv("QM_SOURCE_DIR")) + QStringLiteral("/tests/support/atspi_texts.py"),
            QString::number(QCoreApplication::applicationPid()) });
    // The reader calls into this process: keep serving its requests while it waits.
    if (!QTest::qWaitFor([&] { return reader.state() == QProcess::NotRunning; }, 20000)) {
        reader.kill();
        reader.waitForFinished(1000);
        return {};
    }
    QStringList texts;
    for (const QJsonValue& text : QJsonDocument::fromJson(reader.readAllStandardOutput()).array())
        texts << text.toString();
    return texts;
}
