#include "settings/LanguagePackInstaller.h"

QString LanguagePackInstaller::aptCommand(const QStringList& packages)
{
    return QStringLiteral("sudo apt install ") + packages.join(QLatin1Char(' '));
}
