#include "grammar/GrammarTopicIcon.h"

#include <QFile>

QString GrammarTopicIcon::resourcePath(const QString& systemImage)
{
    if (systemImage.isEmpty() || systemImage.contains(QLatin1Char('/')))
        return {};
    const QString path = QStringLiteral(":/icons/grammar/%1.svg").arg(systemImage);
    return QFile::exists(path) ? path : QString();
}

QIcon GrammarTopicIcon::icon(const QString& systemImage)
{
    const QString path = resourcePath(systemImage);
    return QIcon(path.isEmpty() ? resourcePath(QStringLiteral("book")) : path);
}
