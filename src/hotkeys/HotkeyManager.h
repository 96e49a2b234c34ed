#pragma once

#include "hotkeys/HotkeyAction.h"
#include "hotkeys/HotkeyCombo.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <optional>

class DefaultsStore;

// The registered trigger actions and their combinations. Registration reads the stored
// combination ("hotkey.<id>", ".keyCode", ".keyLabel") and never writes; only setCombo does.
class HotkeyManager : public QObject
{
    Q_OBJECT
public:
    explicit HotkeyManager(DefaultsStore& store, QObject* parent = nullptr);

    static QString baseKey(HotkeyAction action) { return QStringLiteral("hotkey.") + HotkeyActionIds::id(action); }

    // Title and subtitle are translation keys, shown through tr() by the views.
    void registerAction(HotkeyAction action, const QString& title, const std::optional<QString>& subtitle,
        const HotkeyCombo& defaultCombo);

    // Registered actions in registration (matching) order.
    QList<HotkeyAction> actions() const { return m_actions; }
    bool isRegistered(HotkeyAction action) const { return m_registrations.contains(action); }
    HotkeyCombo combo(HotkeyAction action) const;
    QString title(HotkeyAction action) const;
    std::optional<QString> subtitle(HotkeyAction action) const;
    void setCombo(const HotkeyCombo& combo, HotkeyAction action);

    // The stored combination of an action, if its base key holds an unsigned integer.
    std::optional<HotkeyCombo> storedCombo(HotkeyAction action) const;

    int recordingCount() const { return m_recordingCount; }
    void beginRecording();
    void endRecording();

Q_SIGNALS:
    void actionsChanged();
    void comboChanged(HotkeyAction action);
    void recordingCountChanged(int count);

private:
    struct Registration
    {
        QString title;
        std::optional<QString> subtitle;
        HotkeyCombo combo;
    };

    DefaultsStore& m_store;
    QList<HotkeyAction> m_actions;
    QHash<HotkeyAction, Registration> m_registrations;
    int m_recordingCount = 0;
};
