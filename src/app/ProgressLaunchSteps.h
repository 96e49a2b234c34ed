#pragma once

#include "app/LaunchServices.h"

class AchievementService;
class NotificationService;

// The reminder and achievement steps of the launch sequence, and the achievement check after a
// rating, run by the review subsystem's services.
class ProgressLaunchSteps : public ReminderLauncher, public AchievementChecker
{
public:
    ProgressLaunchSteps(NotificationService& notifications, AchievementService& achievements);

    void startReminders() override;
    void checkForNewlyUnlocked() override;

private:
    NotificationService& m_notifications;
    AchievementService& m_achievements;
};
