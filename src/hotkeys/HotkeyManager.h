#pragma once

#include "hotkeys/HotkeyCombo.h"
#include "preferences/SharedInstance.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <optional>

class DefaultsStore;

// The registered trigger actions and their combinations. Registration reads the stored
// combination ("hotkey.<id>", ".keyCode", ".keyLabel") and never writes; only setCombo does.
// The application installs its one manager as shared() for the windows that record combinations.
class HotkeyManager : public QObject, public SharedInstance<HotkeyManager>
{
    Q_OBJECT
public:
    explicit HotkeyManager(DefaultsStore& store, QObject* parent = nullptr);

    static QString baseKey(const QString& id) { return QStringLiteral("hotkey.") + id; }

    // Title and subtitle are translation keys, shown through tr() by the views.
    void registerAction(const QString& id, const QString& title,
                        const std::optional<QString>& subtitle, const HotkeyCombo& defaultCombo);

    QStringList actionIDs() const { return m_actionIDs; }
    bool isRegistered(const QString& id) const { return m_registrations.contains(id); }
    HotkeyCombo combo(const QString& id) const;
    QString title(const QString& id) const;
    std::optional<QString> subtitle(const QString& id) const;
    void setCombo(const HotkeyCombo& combo, const QString& id);

    // The stored combination for an id, if its base key holds an unsigned integer.
    std::optional<HotkeyCombo> storedCombo(const QString& id) const;

    int recordingCount() const { return m_recordingCount; }
    void beginRecording();
    void endRecording();

Q_SIGNALS:
    void actionIDsChanged();
    void comboChanged(const QString& id);
    void recordingCountChanged(int count);

private:
    struct Registration
    {
        QString title;
        std::optional<QString> subtitle;
        HotkeyCombo combo;
    };

    DefaultsStore& m_store;
    QStringList m_actionIDs;
    QHash<QString, Registration> m_registrations;
    int m_recordingCount = 0;
};
