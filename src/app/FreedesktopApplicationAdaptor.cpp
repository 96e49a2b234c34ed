#include "app/FreedesktopApplicationAdaptor.h"

#include "app/SingleInstanceGuard.h"
#include "diagnostics/QMLog.h"

#include <QDBusConnection>
#include <QDBusMessage>

const QStringList& FreedesktopApplicationAdaptor::actionNames()
{
    static const QStringList names { QStringLiteral("quick-lookup"), QStringLiteral("translate-selection"),
        QStringLiteral("grammar-analysis"), QStringLiteral("review"), QStringLiteral("settings") };
    return names;
}

FreedesktopApplicationAdaptor::FreedesktopApplicationAdaptor(SingleInstanceGuard* guard)
    : QDBusAbstractAdaptor(guard)
    , m_guard(guard)
{
}

void FreedesktopApplicationAdaptor::Activate(const QVariantMap& platformData)
{
    Q_UNUSED(platformData);
    m_guard->Activate();
}

void FreedesktopApplicationAdaptor::Open(const QStringList& uris, const QVariantMap& platformData)
{
    Q_UNUSED(platformData);
    // Quillmoor opens no documents: opening it with files shows it, as activation does.
    qCInfo(lcApp) << "Asked to open" << uris.size() << "files; Quillmoor opens none";
    m_guard->Activate();
}

void FreedesktopApplicationAdaptor::ActivateAction(const QString& actionName, const QVariantList& parameter,
    const QVariantMap& platformData, const QDBusMessage& message)
{
    Q_UNUSED(parameter);
    Q_UNUSED(platformData);
    if (!actionNames().contains(actionName)) {
        qCWarning(lcApp).noquote() << QStringLiteral("Unknown action \"%1\"").arg(actionName);
        message.setDelayedReply(true);
        QDBusConnection::sessionBus().send(
            message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
                QStringLiteral("No such action: %1").arg(actionName)));
        return;
    }
    Q_EMIT m_guard->actionRequested(actionName);
}
