#pragma once

// The launch steps that belong to other subsystems. Each is optional: a step whose service is not
// part of this build is skipped with a debug line.
class ReminderLauncher
{
public:
    virtual ~ReminderLauncher() = default;
    // Asks for notification permission, starts the repeating check and runs the first one.
    virtual void startReminders() = 0;
};

class AchievementChecker
{
public:
    virtual ~AchievementChecker() = default;
    virtual void checkForNewlyUnlocked() = 0;
};

class HotkeyInstaller
{
public:
    virtual ~HotkeyInstaller() = default;
    // Registers the four trigger actions with their defaults.
    virtual void registerActions() = 0;
    virtual void installMonitors() = 0;
    virtual void removeMonitors() = 0;
};

struct LaunchServices
{
    ReminderLauncher* reminders = nullptr;
    AchievementChecker* achievements = nullptr;
    HotkeyInstaller* hotkeys = nullptr;
};
