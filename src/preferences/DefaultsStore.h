#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QObject>
#include <QString>

#include <optional>

// The per-user defaults store: a flat, typed JSON object in one file. Every change is written
// at once through an atomic replace, so a crash never leaves a half-written file behind.
class DefaultsStore : public QObject
{
    Q_OBJECT
public:
    explicit DefaultsStore(QString filePath, QObject* parent = nullptr);

    // $XDG_CONFIG_HOME/quillmoor/defaults.json
    static QString defaultFilePath();

    QString filePath() const { return m_filePath; }

    bool contains(const QString& key) const { return m_values.contains(key); }
    QJsonValue value(const QString& key) const { return m_values.value(key); }
    QStringList keys() const { return m_values.keys(); }

    // Typed reads: nullopt when the key is absent or holds a value of another JSON type.
    std::optional<QString> string(const QString& key) const;
    std::optional<bool> boolean(const QString& key) const;
    // Only integral numbers inside [minimum, maximum] count; 19.5, "19" and true do not.
    std::optional<qint64> integer(const QString& key, qint64 minimum, qint64 maximum) const;

    void setValue(const QString& key, const QJsonValue& value);
    void remove(const QString& key);

    // True when the last write reached the disk.
    bool lastWriteSucceeded() const { return m_lastWriteSucceeded; }

Q_SIGNALS:
    void valueChanged(const QString& key);
    void writeFailed(const QString& error);

private:
    void load();
    void setAside(const QString& reason);
    void write();

    QString m_filePath;
    QJsonObject m_values;
    bool m_lastWriteSucceeded = true;
};
