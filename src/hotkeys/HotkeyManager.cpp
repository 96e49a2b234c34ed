#include "hotkeys/HotkeyManager.h"

#include "preferences/DefaultsStore.h"

HotkeyManager::HotkeyManager(DefaultsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
{
}

void HotkeyManager::registerAction(const QString& id, const QString& title,
                                   const std::optional<QString>& subtitle,
                                   const HotkeyCombo& defaultCombo)
{
    auto it = m_registrations.find(id);
    if (it != m_registrations.end()) {
        it->title = title;
        it->subtitle = subtitle;
        return;
    }
    m_registrations.insert(id, Registration{title, subtitle, storedCombo(id).value_or(defaultCombo)});
    m_actionIDs.append(id);
    Q_EMIT actionIDsChanged();
}

std::optional<HotkeyCombo> HotkeyManager::storedCombo(const QString& id) const
{
    const QString base = baseKey(id);
    // Only the four modifier bits may ever be stored; larger values are not a modifier set.
    const auto modifiers = m_store.integer(base, 0, 0xFFFFFFFFLL);
    if (!modifiers)
        return std::nullopt;
    HotkeyCombo combo;
    combo.modifiers = HotkeyCombo::masked(quint64(*modifiers));
    if (auto code = m_store.integer(base + QStringLiteral(".keyCode"), 0, 65535))
        combo.keyCode = quint16(*code);
    if (auto label = m_store.string(base + QStringLiteral(".keyLabel")))
        combo.keyLabel = *label;
    return combo;
}

HotkeyCombo HotkeyManager::combo(const QString& id) const
{
    auto it = m_registrations.constFind(id);
    return it == m_registrations.constEnd() ? HotkeyCombo{} : it->combo;
}

QString HotkeyManager::title(const QString& id) const
{
    auto it = m_registrations.constFind(id);
    return it == m_registrations.constEnd() ? QString() : it->title;
}

std::optional<QString> HotkeyManager::subtitle(const QString& id) const
{
    auto it = m_registrations.constFind(id);
    return it == m_registrations.constEnd() ? std::nullopt : it->subtitle;
}

void HotkeyManager::setCombo(const HotkeyCombo& combo, const QString& id)
{
    auto it = m_registrations.find(id);
    if (it == m_registrations.end())
        return;
    HotkeyCombo stored = combo;
    stored.modifiers = HotkeyCombo::masked(combo.modifiers);
    it->combo = stored;
    const QString base = baseKey(id);
    m_store.setValue(base, qint64(stored.modifiers));
    if (stored.keyCode) {
        m_store.setValue(base + QStringLiteral(".keyCode"), int(*stored.keyCode));
        if (stored.keyLabel)
            m_store.setValue(base + QStringLiteral(".keyLabel"), *stored.keyLabel);
        else
            m_store.remove(base + QStringLiteral(".keyLabel"));
    } else {
        m_store.remove(base + QStringLiteral(".keyCode"));
        m_store.remove(base + QStringLiteral(".keyLabel"));
    }
    Q_EMIT comboChanged(id);
}

void HotkeyManager::beginRecording()
{
    ++m_recordingCount;
    Q_EMIT recordingCountChanged(m_recordingCount);
}

void HotkeyManager::endRecording()
{
    if (m_recordingCount == 0)
        return;
    --m_recordingCount;
    Q_EMIT recordingCountChanged(m_recordingCount);
}
