#pragma once

#include <QObject>
#include <QString>

#include <memory>

// A raw keyboard event seen anywhere on the desktop, without grabbing anything.
struct GlobalKeyEvent
{
    enum class Type { KeyDown, KeyUp };
    Type type = Type::KeyDown;
    int nativeKeycode = 0;
    // Shift, Control, Alt or Super (left or right): goes to the modifier-change handler.
    bool isModifierKey = false;
    // The application modifier bits (see HotkeyCombo) after this event.
    quint32 modifiers = 0;
    // The key's text in the current layout group without modifiers; may be empty.
    QString text;
    // The server's timestamp of the event, in milliseconds.
    quint64 serverTime = 0;
};

// Observes every key press and release on the desktop (all applications, ours included).
class GlobalKeyMonitor : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~GlobalKeyMonitor() override = default;

    virtual bool start() = 0;
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
    // The keyboard's modifier state now, as application modifier bits.
    virtual quint32 currentModifiers() const = 0;

    // The X11 backend (XInput2 raw events on the root window); nullptr when there is no display.
    static std::unique_ptr<GlobalKeyMonitor> createX11(const QByteArray& displayName = {});

Q_SIGNALS:
    void keyEvent(const GlobalKeyEvent& event);
    // The keyboard devices changed or the session lost the keyboard: nothing is held now.
    void keyboardReset();
    // A mouse button went down anywhere on the desktop (nothing is grabbed).
    void pointerPressed();
};
