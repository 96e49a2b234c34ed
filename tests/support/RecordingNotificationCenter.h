#pragma once

#include "platform/NotificationCenter.h"

#include <QList>

// A notification centre that keeps what is posted and answers with the delivery a test chooses.
class RecordingNotificationCenter : public NotificationCenter
{
public:
    QList<UserNotification> posted;
    Delivery delivery = Delivery::Shown;
    bool granted = true;

    QCoro::Task<Authorization> requestAuthorization() override { co_return Authorization { granted, QString() }; }
    QCoro::Task<Result> post(UserNotification notification) override
    {
        posted << notification;
        co_return Result { delivery,
            delivery == Delivery::Failed ? QStringLiteral("org.freedesktop.DBus.Error.NoReply: gone") : QString() };
    }
};
