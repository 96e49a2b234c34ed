#pragma once

#include <QtGlobal>

#include <functional>

class DesktopWindowManager;
class QWidget;

// Gives a just-shown panel the keyboard once the X server has mapped it (asking before that
// is lost), in the name of the trigger's key event (`userTime`, 0: unknown), then runs
// `activated`. Gives up when the panel is hidden meanwhile or after about half a second.
namespace PanelActivation {

void activateWhenMapped(
    QWidget& window, DesktopWindowManager& windows, quint64 userTime, std::function<void()> activated = {});

} // namespace PanelActivation
