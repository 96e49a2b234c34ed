#include "hotkeys/HotkeyRecorderView.h"

#include "hotkeys/HotkeyConflictCheck.h"
#include "hotkeys/HotkeyFormatter.h"
#include "hotkeys/HotkeyManager.h"
#include "hotkeys/VirtualKeyCodes.h"
#include "platform/GlobalKeyMonitor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

quint32 modifierBits(Qt::KeyboardModifiers modifiers)
{
    quint32 bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= HotkeyCombo::Shift;
    if (modifiers & Qt::ControlModifier)
        bits |= HotkeyCombo::Control;
    if (modifiers & Qt::AltModifier)
        bits |= HotkeyCombo::Alt;
    if (modifiers & Qt::MetaModifier)
        bits |= HotkeyCombo::Super;
    return bits;
}

// The application modifier a modifier key stands for; 0 for every other key.
quint32 modifierOfKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
        return HotkeyCombo::Shift;
    case Qt::Key_Control:
        return HotkeyCombo::Control;
    case Qt::Key_Alt:
        return HotkeyCombo::Alt;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return HotkeyCombo::Super;
    default:
        return 0;
    }
}

// The key's character in the current layout with Shift applied and no other modifier, as
// Qt names the key; empty for keys without a character (F-keys, arrows, …).
QString keyText(int key)
{
    if (key < 0x20 || key > 0x10FFFF)
        return {};
    const char32_t cp = char32_t(key);
    return QString::fromUcs4(&cp, 1);
}

// The positional key code of the event's physical key, when the event carries one.
std::optional<quint16> virtualKeyOf(const QKeyEvent& event)
{
    if (event.nativeScanCode() == 0)
        return std::nullopt;
    return VirtualKeyCodes::fromXKeycode(int(event.nativeScanCode()));
}

bool isKey(const QKeyEvent& event, quint16 virtualKey, std::initializer_list<int> qtKeys)
{
    if (const auto code = virtualKeyOf(event))
        return *code == virtualKey;
    return std::find(qtKeys.begin(), qtKeys.end(), event.key()) != qtKeys.end();
}

} // namespace

HotkeyRecorderView::HotkeyRecorderView(HotkeyManager& manager, HotkeyAction action, QWidget* parent)
    : QWidget(parent)
    , m_manager(manager)
    , m_action(action)
    , m_currentLabel(HotkeyFormatter::label(manager.combo(action)))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_button = new QPushButton(this);
    m_button->setObjectName(QStringLiteral("recorderButton"));
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("recorderHint"));
    m_warning = new QLabel(this);
    m_warning->setObjectName(QStringLiteral("modifierWarning"));
    m_warning->setWordWrap(true);
    m_warning->setFixedWidth(220);
    m_conflict = new QLabel(this);
    m_conflict->setObjectName(QStringLiteral("conflictMessage"));
    m_conflict->setWordWrap(true);
    layout->addWidget(m_button);
    layout->addWidget(m_hint);
    layout->addWidget(m_warning);
    layout->addWidget(m_conflict);
    connect(m_button, &QPushButton::clicked, this, [this] {
        if (m_isRecording)
            stopRecording();
        else
            startRecording();
    });
    connect(&m_manager, &HotkeyManager::comboChanged, this, [this](HotkeyAction action) {
        if (action == m_action)
            setCurrentLabel(HotkeyFormatter::label(m_manager.combo(action)));
    });
    refresh();
}

HotkeyRecorderView::~HotkeyRecorderView()
{
    stopRecording();
}

void HotkeyRecorderView::setOnConfirm(ConfirmHandler onConfirm)
{
    m_onConfirm = std::move(onConfirm);
}

void HotkeyRecorderView::setModifierSource(std::function<GlobalKeyMonitor*()> source)
{
    m_modifierSource = std::move(source);
}

void HotkeyRecorderView::setCurrentLabel(const QString& label)
{
    m_currentLabel = label;
    refresh();
}

QString HotkeyRecorderView::shownText() const
{
    if (!m_isRecording)
        return m_currentLabel;
    return m_pending.isEmpty() ? tr("Нажмите клавиши…") : HotkeyFormatter::label(m_pending);
}

void HotkeyRecorderView::startRecording()
{
    if (m_isRecording)
        return;
    m_isRecording = true;
    m_pending = HotkeyCombo {};
    m_manager.beginRecording();
    // Every key event of the application passes here first and is swallowed; the grab keeps
    // the keys of other windows of the desktop away from them while the user records.
    qApp->installEventFilter(this);
    grabKeyboard();
    if (GlobalKeyMonitor* monitor = m_modifierSource ? m_modifierSource() : nullptr)
        m_desktopKeys = connect(monitor, &GlobalKeyMonitor::keyEvent, this, &HotkeyRecorderView::handleDesktopKey);
    refresh();
    Q_EMIT recordingChanged(true);
}

void HotkeyRecorderView::stopRecording()
{
    if (!m_isRecording)
        return;
    m_isRecording = false;
    m_showsModifierWarning = false;
    m_manager.endRecording();
    qApp->removeEventFilter(this);
    releaseKeyboard();
    disconnect(m_desktopKeys);
    refresh();
    Q_EMIT recordingChanged(false);
}

bool HotkeyRecorderView::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_isRecording)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Accepted: no shortcut runs, the key arrives as a key press and is swallowed there.
        event->accept();
        return true;
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (modifierOfKey(key.key()))
            handleModifierChange(key, true);
        else
            handleKeyPress(key);
        return true;
    }
    case QEvent::KeyRelease: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (modifierOfKey(key.key()))
            handleModifierChange(key, false);
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void HotkeyRecorderView::handleModifierChange(const QKeyEvent& event, bool pressed)
{
    m_showsModifierWarning = false;
    // Whether the event's own modifier is already in its state differs between press and
    // release (and between toolkits), so the key's bit is set or cleared explicitly.
    quint32 bits = modifierBits(event.modifiers());
    const quint32 own = modifierOfKey(event.key());
    bits = pressed ? (bits | own) : (bits & ~own);
    if (!m_pending.hasKey())
        m_pending.modifiers = HotkeyCombo::masked(bits);
    refresh();
}

void HotkeyRecorderView::handleDesktopKey(const GlobalKeyEvent& event)
{
    // Only modifier changes: ordinary keys reach the recorder through its grab, with their text.
    if (!m_isRecording || !event.isModifierKey || m_pending.hasKey())
        return;
    m_showsModifierWarning = false;
    m_pending.modifiers = HotkeyCombo::masked(event.modifiers);
    refresh();
}

void HotkeyRecorderView::handleKeyPress(const QKeyEvent& event)
{
    m_showsModifierWarning = false;
    if (isKey(event, VirtualKeyCodes::Escape, { Qt::Key_Escape })) {
        stopRecording();
        return;
    }
    if (isKey(event, VirtualKeyCodes::Return, { Qt::Key_Return })
        || isKey(event, VirtualKeyCodes::KeypadEnter, { Qt::Key_Enter })) {
        confirmPending();
        return;
    }
    const auto code = virtualKeyOf(event);
    if (!code) {
        refresh();
        return;
    }
    HotkeyCombo combo;
    combo.modifiers = HotkeyCombo::masked(modifierBits(event.modifiers()));
    combo.keyCode = *code;
    combo.keyLabel = HotkeyFormatter::keyLabel(*code, keyText(event.key()));
    m_pending = combo;
    refresh();
}

void HotkeyRecorderView::confirmPending()
{
    if (m_pending.isEmpty()) {
        refresh();
        return;
    }
    if (m_pending.hasKey() && m_pending.modifiers == 0 && HotkeyFormatter::requiresModifier(*m_pending.keyCode)) {
        m_showsModifierWarning = true;
        refresh();
        return;
    }
    const HotkeyCombo combo = m_pending;
    const bool accepted = m_onConfirm ? m_onConfirm(combo) : confirmWithConflictCheck(combo);
    if (!accepted) {
        refresh();
        return;
    }
    stopRecording();
    Q_EMIT comboConfirmed(combo);
}

bool HotkeyRecorderView::confirmWithConflictCheck(const HotkeyCombo& combo)
{
    if (!HotkeyConflictCheck::isAcceptable(m_manager, combo, m_action)) {
        m_conflictMessage = tr("Эта комбинация уже занята другим действием");
        return false;
    }
    m_conflictMessage.clear();
    m_manager.setCombo(combo, m_action);
    return true;
}

void HotkeyRecorderView::hideEvent(QHideEvent* event)
{
    stopRecording();
    QWidget::hideEvent(event);
}

void HotkeyRecorderView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        refresh();
    QWidget::changeEvent(event);
}

void HotkeyRecorderView::refresh()
{
    m_button->setText(shownText());
    m_hint->setText(tr("⏎ подтвердить · ⎋ отмена"));
    m_hint->setVisible(m_isRecording);
    m_warning->setText(tr("Эту клавишу нельзя назначить без модификатора (Ctrl, Alt, Shift, Super) — иначе она будет "
                          "срабатывать при обычном наборе текста."));
    m_warning->setVisible(m_showsModifierWarning);
    m_conflict->setText(m_conflictMessage);
    m_conflict->setVisible(!m_conflictMessage.isEmpty());
}
