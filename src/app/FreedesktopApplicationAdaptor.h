#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

class SingleInstanceGuard;

// The desktop's own way to start things in a running application (org.freedesktop.Application):
// its shortcut settings, the desktop entry's actions and D-Bus activation call these, and they
// work where global key monitoring cannot (Wayland).
class FreedesktopApplicationAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    static inline const QString kInterface = QStringLiteral("org.freedesktop.Application");
    // The action names, as the desktop entry lists them.
    static const QStringList& actionNames();

    explicit FreedesktopApplicationAdaptor(SingleInstanceGuard* guard);

public Q_SLOTS:
    void Activate(const QVariantMap& platformData);
    void Open(const QStringList& uris, const QVariantMap& platformData);
    // `message` is the call itself, so an unknown action can be answered with an error.
    void ActivateAction(const QString& actionName, const QVariantList& parameter, const QVariantMap& platformData,
        const QDBusMessage& message);

private:
    SingleInstanceGuard* m_guard;
};
