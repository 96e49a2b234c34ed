#include "hotkeys/HotkeyManager.h"

#include "preferences/DefaultsStore.h"

HotkeyManager::HotkeyManager(DefaultsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
{
}

void HotkeyManager::registerAction(
    HotkeyAction action, const QString& title, const std::optional<QString>& subtitle, const HotkeyCombo& defaultCombo)
{
    auto it = m_registrations.find(action);
    if (it != m_registrations.end()) {
        it->title = title;
        it->subtitle = subtitle;
        return;
    }
    m_registrations.insert(action, Registration { title, subtitle, storedCombo(action).value_or(defaultCombo) });
    m_actions.append(action);
    Q_EMIT actionsChanged();
}

std::optional<HotkeyCombo> HotkeyManager::storedCombo(HotkeyAction action) const
{
    const QString base = baseKey(action);
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

HotkeyCombo HotkeyManager::combo(HotkeyAction action) const
{
    auto it = m_registrations.constFind(action);
    return it == m_registrations.constEnd() ? HotkeyCombo {} : it->combo;
}

QString HotkeyManager::title(HotkeyAction action) const
{
    auto it = m_registrations.constFind(action);
    return it == m_registrations.constEnd() ? QString() : it->title;
}

std::optional<QString> HotkeyManager::subtitle(HotkeyAction action) const
{
    auto it = m_registrations.constFind(action);
    return it == m_registrations.constEnd() ? std::nullopt : it->subtitle;
}

void HotkeyManager::setCombo(const HotkeyCombo& combo, HotkeyAction action)
{
    auto it = m_registrations.find(action);
    if (it == m_registrations.end())
        return;
    HotkeyCombo stored = combo;
    stored.modifiers = HotkeyCombo::masked(combo.modifiers);
    it->combo = stored;
    const QString base = baseKey(action);
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
    Q_EMIT comboChanged(action);
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
