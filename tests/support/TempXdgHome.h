#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTemporaryDir>

// Gives a test its own XDG config, data, cache and runtime folders and restores the old ones.
class TempXdgHome
{
public:
    TempXdgHome();
    ~TempXdgHome();
    TempXdgHome(const TempXdgHome&) = delete;
    TempXdgHome& operator=(const TempXdgHome&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString root() const { return m_dir.path(); }
    QString configHome() const { return root() + QStringLiteral("/config"); }
    QString dataHome() const { return root() + QStringLiteral("/data"); }
    QString defaultsFile() const { return configHome() + QStringLiteral("/quillmoor/defaults.json"); }
    QString diagnosticsFile() const { return dataHome() + QStringLiteral("/quillmoor/diagnostics.log"); }

private:
    QTemporaryDir m_dir;
    QHash<QByteArray, std::optional<QByteArray>> m_saved;
};
