#pragma once

#include <QString>

// The XDG autostart entry that starts Quillmoor at login.
class AutostartEntry
{
public:
    // $XDG_CONFIG_HOME/autostart/org.quillmoor.Quillmoor.desktop
    static QString filePath();
    static bool isEnabled();
    // Writes the entry for `executable` (an absolute path) or removes it. False on a file error.
    static bool setEnabled(bool enabled, const QString& executable);
    static QByteArray contents(const QString& executable);
};
