#include "diagnostics/QMLog.h"
#include "platform/GlobalKeyMonitor.h"

#include <QSocketNotifier>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

namespace {

constexpr quint32 kShift = 0x20000;
constexpr quint32 kControl = 0x40000;
constexpr quint32 kAlt = 0x80000;
constexpr quint32 kSuper = 0x100000;

quint32 bitsFromXMask(unsigned int mask)
{
    quint32 bits = 0;
    if (mask & ShiftMask)
        bits |= kShift;
    if (mask & ControlMask)
        bits |= kControl;
    if (mask & Mod1Mask)
        bits |= kAlt;
    if (mask & Mod4Mask)
        bits |= kSuper;
    return bits;
}

// The application modifier a keysym stands for; AltGr (ISO_Level3_Shift) is none of them.
quint32 modifierOfKeysym(KeySym sym)
{
    switch (sym) {
    case XK_Shift_L:
    case XK_Shift_R:
        return kShift;
    case XK_Control_L:
    case XK_Control_R:
        return kControl;
    case XK_Alt_L:
    case XK_Alt_R:
    case XK_Meta_L:
    case XK_Meta_R:
        return kAlt;
    case XK_Super_L:
    case XK_Super_R:
        return kSuper;
    default:
        return 0;
    }
}

QString textOfKeysym(KeySym sym)
{
    if (sym >= 0x20 && sym <= 0xFF)
        return QString(QChar(char16_t(sym)));
    if ((sym & 0xFF000000) == 0x01000000) {
        const char32_t cp = char32_t(sym & 0x00FFFFFF);
        return QString::fromUcs4(&cp, 1);
    }
    return {};
}

class XInputKeyMonitor final : public GlobalKeyMonitor
{
public:
    explicit XInputKeyMonitor(Display* display)
        : m_display(display)
    {
    }
    ~XInputKeyMonitor() override
    {
        stop();
        XCloseDisplay(m_display);
    }

    bool start() override
    {
        if (m_notifier)
            return true;
        int event = 0;
        int error = 0;
        if (!XQueryExtension(m_display, "XInputExtension", &m_xiOpcode, &event, &error)) {
            qCWarning(lcCapture) << "XInput extension missing; global triggers are off";
            return false;
        }
        int major = 2;
        int minor = 0;
        if (XIQueryVersion(m_display, &major, &minor) != Success) {
            qCWarning(lcCapture) << "XInput 2 unavailable; global triggers are off";
            return false;
        }
        unsigned char keyBits[XIMaskLen(XI_LASTEVENT)] = {};
        unsigned char deviceBits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(keyBits, XI_RawKeyPress);
        XISetMask(keyBits, XI_RawKeyRelease);
        XISetMask(keyBits, XI_RawButtonPress);
        // Hierarchy changes are only reported to a selection for all devices.
        XISetMask(deviceBits, XI_HierarchyChanged);
        XIEventMask masks[2] = { { XIAllMasterDevices, int(sizeof(keyBits)), keyBits },
            { XIAllDevices, int(sizeof(deviceBits)), deviceBits } };
        XISelectEvents(m_display, DefaultRootWindow(m_display), masks, 2);
        XFlush(m_display);
        m_seeded = currentModifiers();
        m_heldModifierKeys.clear();
        m_notifier = std::make_unique<QSocketNotifier>(ConnectionNumber(m_display), QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] { drain(); });
        drain();
        return true;
    }

    void stop() override
    {
        if (!m_notifier)
            return;
        m_notifier.reset();
        unsigned char none[XIMaskLen(XI_LASTEVENT)] = {};
        XIEventMask masks[2]
            = { { XIAllMasterDevices, int(sizeof(none)), none }, { XIAllDevices, int(sizeof(none)), none } };
        XISelectEvents(m_display, DefaultRootWindow(m_display), masks, 2);
        XFlush(m_display);
    }

    bool isRunning() const override { return m_notifier != nullptr; }

    quint32 currentModifiers() const override
    {
        XkbStateRec state {};
        if (XkbGetState(m_display, XkbUseCoreKbd, &state) != Success)
            return 0;
        return bitsFromXMask(state.mods);
    }

private:
    quint32 trackedModifiers() const
    {
        quint32 bits = m_seeded;
        for (auto it = m_heldModifierKeys.cbegin(); it != m_heldModifierKeys.cend(); ++it)
            bits |= it.value();
        return bits;
    }

    void drain()
    {
        while (XPending(m_display) > 0) {
            XEvent event;
            XNextEvent(m_display, &event);
            XGenericEventCookie* cookie = &event.xcookie;
            if (cookie->type != GenericEvent || cookie->extension != m_xiOpcode || !XGetEventData(m_display, cookie))
                continue;
            if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease)
                handleRaw(static_cast<XIRawEvent*>(cookie->data), cookie->evtype == XI_RawKeyPress);
            else if (cookie->evtype == XI_RawButtonPress)
                Q_EMIT pointerPressed();
            else if (cookie->evtype == XI_HierarchyChanged)
                resetKeyboard();
            XFreeEventData(m_display, cookie);
        }
    }

    void resetKeyboard()
    {
        m_heldModifierKeys.clear();
        m_seeded = currentModifiers();
        Q_EMIT keyboardReset();
    }

    void handleRaw(const XIRawEvent* raw, bool pressed)
    {
        const int keycode = raw->detail;
        XkbStateRec state {};
        XkbGetState(m_display, XkbUseCoreKbd, &state);
        const KeySym base = XkbKeycodeToKeysym(m_display, KeyCode(keycode), 0, 0);
        const quint32 modifier = modifierOfKeysym(base);

        GlobalKeyEvent out;
        out.type = pressed ? GlobalKeyEvent::Type::KeyDown : GlobalKeyEvent::Type::KeyUp;
        out.nativeKeycode = keycode;
        out.isModifierKey = modifier != 0;
        out.serverTime = quint64(raw->time);
        if (modifier) {
            if (pressed) {
                m_heldModifierKeys.insert(keycode, modifier);
            } else {
                m_heldModifierKeys.remove(keycode);
                m_seeded &= ~modifier;
            }
        } else {
            out.text = textOfKeysym(XkbKeycodeToKeysym(m_display, KeyCode(keycode), state.group, 0));
        }
        out.modifiers = trackedModifiers();
        Q_EMIT keyEvent(out);
    }

    Display* m_display;
    int m_xiOpcode = 0;
    quint32 m_seeded = 0;
    QHash<int, quint32> m_heldModifierKeys;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace

std::unique_ptr<GlobalKeyMonitor> GlobalKeyMonitor::createX11(const QByteArray& displayName)
{
    Display* display = XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData());
    if (!display)
        return nullptr;
    return std::make_unique<XInputKeyMonitor>(display);
}
