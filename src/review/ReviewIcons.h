#pragma once

#include <QIcon>

// Symbols of the review window. The desktop's icon theme is asked first by its freedesktop
// name; a bundled drawing stands in where the theme has none (no theme is guaranteed).
namespace ReviewIcons {
QIcon speaker();
QIcon checkmark();
} // namespace ReviewIcons
