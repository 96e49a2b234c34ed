#include "support/TempXdgHome.h"

#include <QDir>
#include <QFile>

namespace {
const char* const kVariables[] = { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME" };
}

TempXdgHome::TempXdgHome()
{
    const QString folders[]
        = { configHome(), dataHome(), root() + QStringLiteral("/cache"), root() + QStringLiteral("/state") };
    for (int i = 0; i < 4; ++i) {
        const QByteArray name(kVariables[i]);
        m_saved.insert(
            name, qEnvironmentVariableIsSet(kVariables[i]) ? std::optional(qgetenv(kVariables[i])) : std::nullopt);
        QDir().mkpath(folders[i]);
        qputenv(kVariables[i], QFile::encodeName(folders[i]));
    }
}

TempXdgHome::~TempXdgHome()
{
    for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it) {
        if (it.value())
            qputenv(it.key().constData(), *it.value());
        else
            qunsetenv(it.key().constData());
    }
}
