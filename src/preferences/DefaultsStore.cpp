#include "preferences/DefaultsStore.h"

#include "diagnostics/QMLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>

DefaultsStore::DefaultsStore(QString filePath, QObject* parent)
    : QObject(parent)
    , m_filePath(std::move(filePath))
{
    load();
}

QString DefaultsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/quillmoor/defaults.json");
}

std::optional<QString> DefaultsStore::string(const QString& key) const
{
    const QJsonValue v = m_values.value(key);
    if (!v.isString())
        return std::nullopt;
    return v.toString();
}

std::optional<bool> DefaultsStore::boolean(const QString& key) const
{
    const QJsonValue v = m_values.value(key);
    if (!v.isBool())
        return std::nullopt;
    return v.toBool();
}

std::optional<qint64> DefaultsStore::integer(const QString& key, qint64 minimum, qint64 maximum) const
{
    const QJsonValue v = m_values.value(key);
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!std::isfinite(d) || std::floor(d) != d)
        return std::nullopt;
    if (d < static_cast<double>(minimum) || d > static_cast<double>(maximum))
        return std::nullopt;
    return static_cast<qint64>(d);
}

void DefaultsStore::setValue(const QString& key, const QJsonValue& value)
{
    if (value.isUndefined() || value.isNull()) {
        remove(key);
        return;
    }
    if (m_values.contains(key) && m_values.value(key) == value)
        return;
    m_values.insert(key, value);
    write();
    Q_EMIT valueChanged(key);
}

void DefaultsStore::remove(const QString& key)
{
    if (!m_values.contains(key))
        return;
    m_values.remove(key);
    write();
    Q_EMIT valueChanged(key);
}

void DefaultsStore::load()
{
    QFile file(m_filePath);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        setAside(file.errorString());
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    QJsonParseError error {};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        setAside(error.errorString());
        return;
    }
    if (!doc.isObject()) {
        setAside(QStringLiteral("the file does not hold a JSON object"));
        return;
    }
    m_values = doc.object();
}

void DefaultsStore::setAside(const QString& reason)
{
    // Keep the unreadable file for the user to inspect; the defaults apply from now on.
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QString aside = m_filePath + QStringLiteral(".corrupt-") + stamp;
    const bool renamed = QFile::rename(m_filePath, aside);
    qCCritical(lcSettings).noquote()
        << "Settings file" << m_filePath << "is unreadable (" << reason << "); defaults apply."
        << (renamed ? "Moved to " + aside : QStringLiteral("Could not move it aside."));
    m_values = QJsonObject();
}

void DefaultsStore::write()
{
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile file(m_filePath);
    QString error;
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
    } else {
        file.write(QJsonDocument(m_values).toJson(QJsonDocument::Indented));
        if (!file.commit())
            error = file.errorString();
    }
    m_lastWriteSucceeded = error.isEmpty();
    if (m_lastWriteSucceeded)
        return;
    qCCritical(lcSettings).noquote() << "Could not write settings file" << m_filePath << ":" << error;
    Q_EMIT writeFailed(error);
}
