#include "review/ReviewIcons.h"

namespace {
QIcon themed(const char* themeName, const char* bundled)
{
    return QIcon::fromTheme(QString::fromLatin1(themeName),
        QIcon(QStringLiteral(":/icons/review/%1.svg").arg(QString::fromLatin1(bundled))));
}
} // namespace

namespace ReviewIcons {
QIcon speaker()
{
    return themed("audio-volume-high", "speaker.wave.2.fill");
}

QIcon checkmark()
{
    return themed("emblem-ok", "checkmark.circle.fill");
}
} // namespace ReviewIcons
