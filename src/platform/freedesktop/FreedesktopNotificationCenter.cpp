#include "platform/freedesktop/FreedesktopNotificationCenter.h"

#include <QCoroDBusPendingCall>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QHash>
#include <QObject>
#include <QVariantMap>

// Runs the action of a notification whose button was pressed: the server's ActionInvoked signal
// names the notification by the id Notify returned.
class NotificationActionListener : public QObject
{
    Q_OBJECT

public:
    QHash<uint, std::function<void()>> pending;

public Q_SLOTS:
    void actionInvoked(uint id, const QString& key)
    {
        if (key != QLatin1String("default") && key != QLatin1String("action"))
            return;
        const std::function<void()> action = pending.take(id);
        if (action)
            action();
    }
    void closed(uint id, uint reason)
    {
        Q_UNUSED(reason);
        pending.remove(id);
    }
};

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage busCall(const QString& method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("/org/freedesktop/DBus"), QStringLiteral("org.freedesktop.DBus"), method);
}

QDBusMessage serverCall(const QString& method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

QString errorText(const QDBusMessage& reply)
{
    return reply.errorName() + QStringLiteral(": ") + reply.errorMessage();
}

// Whether a server owns the name or the bus can start one; nullopt with `error` set when the bus
// could not be asked.
QCoro::Task<std::optional<bool>> serverPresent(QDBusConnection bus, QString* error)
{
    if (!bus.isConnected()) {
        *error = QStringLiteral("no session bus");
        co_return std::nullopt;
    }
    QDBusMessage hasOwner = busCall(QStringLiteral("NameHasOwner"));
    hasOwner << kService;
    const QDBusPendingCall ownerCall = bus.asyncCall(hasOwner);
    const QDBusMessage owner = co_await ownerCall;
    if (owner.type() == QDBusMessage::ErrorMessage) {
        *error = errorText(owner);
        co_return std::nullopt;
    }
    if (owner.arguments().value(0).toBool())
        co_return true;
    // Some desktops (Xfce, plain window managers with dunst) start their server at the first call.
    const QDBusPendingCall activatableCall = bus.asyncCall(busCall(QStringLiteral("ListActivatableNames")));
    const QDBusMessage activatable = co_await activatableCall;
    if (activatable.type() == QDBusMessage::ErrorMessage) {
        *error = errorText(activatable);
        co_return std::nullopt;
    }
    co_return activatable.arguments().value(0).toStringList().contains(kService);
}

QCoro::Task<bool> readsMarkup(QDBusConnection bus)
{
    const QDBusPendingCall call = bus.asyncCall(serverCall(QStringLiteral("GetCapabilities")));
    const QDBusMessage reply = co_await call;
    // A server that cannot say is taken to read plain text: markup is optional for servers.
    co_return reply.type()
        == QDBusMessage::ReplyMessage&& reply.arguments().value(0).toStringList().contains(
            QStringLiteral("body-markup"));
}
} // namespace

std::unique_ptr<NotificationCenter> NotificationCenter::createDefault()
{
    return std::make_unique<FreedesktopNotificationCenter>(QDBusConnection::sessionBus());
}

FreedesktopNotificationCenter::FreedesktopNotificationCenter(QDBusConnection bus)
    : FreedesktopNotificationCenter(std::move(bus), Options())
{
}

FreedesktopNotificationCenter::FreedesktopNotificationCenter(QDBusConnection bus, Options options)
    : m_bus(std::move(bus))
    , m_options(std::move(options))
    , m_listener(std::make_shared<NotificationActionListener>())
{
    m_bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), m_listener.get(),
        SLOT(actionInvoked(uint, QString)));
    m_bus.connect(
        kService, kPath, kService, QStringLiteral("NotificationClosed"), m_listener.get(), SLOT(closed(uint, uint)));
}

// The answers may come after the centre is gone (at exit): the coroutines work on copies and never
// touch `this` once suspended.
QCoro::Task<NotificationCenter::Authorization> FreedesktopNotificationCenter::requestAuthorization()
{
    QString error;
    const std::optional<bool> present = co_await serverPresent(m_bus, &error);
    co_return Authorization { present.value_or(false), error };
}

QCoro::Task<NotificationCenter::Result> FreedesktopNotificationCenter::post(UserNotification notification)
{
    const QDBusConnection bus = m_bus;
    const Options options = m_options;
    const std::weak_ptr<NotificationActionListener> listener = m_listener;
    QString error;
    const std::optional<bool> present = co_await serverPresent(bus, &error);
    if (!present)
        co_return Result { Delivery::Failed, error };
    if (!*present)
        co_return Result { Delivery::NoServer, QString() };
    // "<", "&" and the like would be read as markup and mangle or hide the text.
    const bool markup = co_await readsMarkup(bus);
    const QString body = markup ? notification.body.toHtmlEscaped() : notification.body;
    QVariantMap hints;
    if (!notification.soundName.isEmpty())
        hints.insert(QStringLiteral("sound-name"), notification.soundName);
    if (!notification.desktopEntry.isEmpty())
        hints.insert(QStringLiteral("desktop-entry"), notification.desktopEntry);
    // The button, and the same action for a click on the notification itself ("default").
    QStringList actions;
    if (notification.onAction && !notification.actionLabel.isEmpty())
        actions << QStringLiteral("default") << notification.actionLabel << QStringLiteral("action")
                << notification.actionLabel;
    QDBusMessage notify = serverCall(QStringLiteral("Notify"));
    notify << options.appName << uint(0) << options.appIcon << notification.title << body << actions << hints
           << int(-1);
    const QDBusPendingCall call = bus.asyncCall(notify);
    const QDBusMessage reply = co_await call;
    if (reply.type() == QDBusMessage::ErrorMessage)
        co_return Result { Delivery::Failed, errorText(reply) };
    if (const auto alive = listener.lock(); alive && !actions.isEmpty())
        alive->pending.insert(reply.arguments().value(0).toUInt(), notification.onAction);
    co_return Result { Delivery::Shown, QString() };
}

#include "FreedesktopNotificationCenter.moc"
