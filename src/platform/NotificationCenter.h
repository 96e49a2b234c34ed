#pragma once

#include <QCoroTask>
#include <QString>

#include <functional>
#include <memory>

// One notification for the desktop to show at once.
struct UserNotification
{
    QString title;
    QString body; // plain text; a backend escapes it where the server reads markup
    QString soundName; // a freedesktop sound-theme name, played by servers that play sounds
    QString desktopEntry; // the application id the server files the notification under
    // One button (a label), on servers that show buttons; `onAction` runs on the thread that posted
    // when it is pressed.
    QString actionLabel;
    std::function<void()> onAction;
};

// The desktop's notification server. Answers come back on the thread that asked.
class NotificationCenter
{
public:
    enum class Delivery { Shown, NoServer, Failed };
    struct Authorization
    {
        bool granted = false;
        QString error; // why the question itself failed; empty otherwise
    };
    struct Result
    {
        Delivery delivery = Delivery::Failed;
        QString error;
    };

    virtual ~NotificationCenter() = default;

    // Whether a notification server is there to show what is posted.
    virtual QCoro::Task<Authorization> requestAuthorization() = 0;
    virtual QCoro::Task<Result> post(UserNotification notification) = 0;

    // org.freedesktop.Notifications on the session bus.
    static std::unique_ptr<NotificationCenter> createDefault();
};
