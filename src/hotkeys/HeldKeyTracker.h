#pragma once

#include <QSet>
#include <QtGlobal>

// The ordinary (non-modifier) keys that are down now, by virtual key code.
class HeldKeyTracker
{
public:
    bool isDown(quint16 keyCode) const { return m_held.contains(keyCode); }
    // True when the key was not held before (false means an auto-repeat press).
    bool press(quint16 keyCode);
    void release(quint16 keyCode) { m_held.remove(keyCode); }
    void clear() { m_held.clear(); }
    qsizetype count() const { return m_held.size(); }

private:
    QSet<quint16> m_held;
};
