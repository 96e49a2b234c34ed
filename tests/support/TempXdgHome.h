#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
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
    QString cardsFile() const { return dataHome() + QStringLiteral("/quillmoor/cards.sqlite"); }
    // The defaults file as it is on disk; empty when it is missing or unreadable.
    QJsonObject defaultsFileObject() const
    {
        QFile file(defaultsFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }

private:
    QTemporaryDir m_dir;
    QHash<QByteArray, std::optional<QByteArray>> m_saved;
};
