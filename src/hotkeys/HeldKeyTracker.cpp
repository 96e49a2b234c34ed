#include "hotkeys/HeldKeyTracker.h"

bool HeldKeyTracker::press(quint16 keyCode)
{
    if (m_held.contains(keyCode))
        return false;
    m_held.insert(keyCode);
    return true;
}
