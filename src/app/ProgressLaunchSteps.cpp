#include "app/ProgressLaunchSteps.h"

#include "review/AchievementService.h"
#include "review/NotificationService.h"

ProgressLaunchSteps::ProgressLaunchSteps(NotificationService& notifications, AchievementService& achievements)
    : m_notifications(notifications)
    , m_achievements(achievements)
{
}

void ProgressLaunchSteps::startReminders()
{
    m_notifications.start();
}

void ProgressLaunchSteps::checkForNewlyUnlocked()
{
    m_achievements.checkForNewlyUnlocked();
}
