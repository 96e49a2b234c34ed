#pragma once

#include "hotkeys/HotkeyAction.h"
#include "hotkeys/HotkeyCombo.h"

#include <QWidget>

#include <functional>

class GlobalKeyMonitor;
struct GlobalKeyEvent;
class HotkeyManager;
class QKeyEvent;
class QLabel;
class QPushButton;

// Records a new combination for one trigger action. A click starts recording; while it
// records, every trigger is silent, the keyboard is grabbed and every key event of the
// application comes here and goes no further, so Tab, Alt and shortcuts do nothing else.
// Holding modifiers and pressing Return records a modifier-only combination; a key pressed
// with or without modifiers records a keyed one; Return confirms, Escape cancels.
class HotkeyRecorderView : public QWidget
{
    Q_OBJECT
public:
    // Answers whether the combination was accepted; a refused one keeps the recorder recording.
    using ConfirmHandler = std::function<bool(const HotkeyCombo&)>;

    // Records for the action: shows its combination, refuses empty and clashing combinations with
    // a message, and stores accepted ones through the manager.
    HotkeyRecorderView(HotkeyManager& manager, HotkeyAction action, QWidget* parent = nullptr);
    ~HotkeyRecorderView() override;

    // Replaces the built-in confirmation (used when a window checks conflicts itself).
    void setOnConfirm(ConfirmHandler onConfirm);
    void setCurrentLabel(const QString& label);
    // The desktop's raw key stream, asked for when recording starts (it may not exist yet): the
    // modifiers are read from it too, since the window manager can keep a key such as Super (the
    // overlay key) from ever reaching a window, grab or not.
    void setModifierSource(std::function<GlobalKeyMonitor*()> source);

    bool isRecording() const { return m_isRecording; }
    HotkeyCombo pending() const { return m_pending; }
    bool showsModifierWarning() const { return m_showsModifierWarning; }
    QString conflictMessage() const { return m_conflictMessage; }
    QString shownText() const;

    void startRecording();
    void stopRecording();

Q_SIGNALS:
    void recordingChanged(bool isRecording);
    void comboConfirmed(const HotkeyCombo& combo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void handleKeyPress(const QKeyEvent& event);
    void handleModifierChange(const QKeyEvent& event, bool pressed);
    void confirmPending();
    void handleDesktopKey(const GlobalKeyEvent& event);
    bool confirmWithConflictCheck(const HotkeyCombo& combo);
    void refresh();

    HotkeyManager& m_manager;
    HotkeyAction m_action;
    ConfirmHandler m_onConfirm;
    std::function<GlobalKeyMonitor*()> m_modifierSource;
    QMetaObject::Connection m_desktopKeys;
    QString m_currentLabel;
    bool m_isRecording = false;
    HotkeyCombo m_pending;
    bool m_showsModifierWarning = false;
    QString m_conflictMessage;
    QPushButton* m_button = nullptr;
    QLabel* m_hint = nullptr;
    QLabel* m_warning = nullptr;
    QLabel* m_conflict = nullptr;
};
