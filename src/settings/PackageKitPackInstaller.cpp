#include "settings/PackageKitPackInstaller.h"

#include "diagnostics/QMLog.h"
#include "settings/PackageKitTransaction.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <qcorodbuspendingcall.h>

namespace {

constexpr quint64 kFilterNone = 1ULL << 1;
constexpr quint64 kOnlyTrusted = 1ULL << 1;
const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");

QDBusMessage busCall(const QString& method, const QVariantList& arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService, method);
    message.setArguments(arguments);
    return message;
}

} // namespace

PackageKitPackInstaller::PackageKitPackInstaller(Options options, QObject* parent)
    : LanguagePackInstaller(parent)
    , m_options(std::move(options))
{
}

PackageKitPackInstaller::~PackageKitPackInstaller() = default;

QStringList PackageKitPackInstaller::missingByDpkg(const QStringList& packages) const
{
    QStringList missing;
    for (const QString& package : packages) {
        const QString base = m_options.dpkgInfoDirectory + QLatin1Char('/') + package;
        // Architecture-specific packages are recorded as "<name>:<arch>.list".
        if (!QFileInfo::exists(base + QStringLiteral(".list"))
            && !QFileInfo::exists(base + QStringLiteral(":amd64.list"))
            && !QFileInfo::exists(base + QStringLiteral(":arm64.list")))
            missing << package;
    }
    return missing;
}

QCoro::Task<LanguagePackInstaller::Result> PackageKitPackInstaller::install(QStringList packages)
{
    if (packages.isEmpty())
        co_return Result { Outcome::NothingMissing, {}, {} };
    QPointer<PackageKitPackInstaller> self(this);
    const bool present = co_await packageKitPresent();
    if (!self)
        co_return Result {};
    if (!present) {
        qCDebug(lcSettings) << "PackageKit is not on the system bus; the packages are named instead";
        const QStringList missing = missingByDpkg(packages);
        if (missing.isEmpty())
            co_return Result { Outcome::NothingMissing, {}, {} };
        co_return Result { Outcome::ManualInstall, missing, {} };
    }
    Result result = co_await resolveAndInstall(packages);
    co_return result;
}

QCoro::Task<bool> PackageKitPackInstaller::packageKitPresent()
{
    if (!m_options.bus.isConnected())
        co_return false;
    const QDBusPendingCall owned
        = m_options.bus.asyncCall(busCall(QStringLiteral("NameHasOwner"), { PackageKitTransaction::kService }));
    const QDBusMessage ownedReply = co_await owned;
    if (ownedReply.type() == QDBusMessage::ReplyMessage && ownedReply.arguments().value(0).toBool())
        co_return true;
    // PackageKit usually starts on demand.
    const QDBusPendingCall activatable = m_options.bus.asyncCall(busCall(QStringLiteral("ListActivatableNames")));
    const QDBusMessage activatableReply = co_await activatable;
    co_return activatableReply.type()
        == QDBusMessage::ReplyMessage&& activatableReply.arguments().value(0).toStringList().contains(
            PackageKitTransaction::kService);
}

QCoro::Task<std::unique_ptr<PackageKitTransaction>> PackageKitPackInstaller::createTransaction(QString* error)
{
    const QDBusMessage create
        = QDBusMessage::createMethodCall(PackageKitTransaction::kService, QStringLiteral("/org/freedesktop/PackageKit"),
            PackageKitTransaction::kService, QStringLiteral("CreateTransaction"));
    const QDBusPendingCall pending = m_options.bus.asyncCall(create);
    QPointer<PackageKitPackInstaller> self(this);
    const QDBusMessage reply = co_await pending;
    if (!self)
        co_return std::unique_ptr<PackageKitTransaction>();
    const QDBusObjectPath path = reply.arguments().value(0).value<QDBusObjectPath>();
    if (reply.type() != QDBusMessage::ReplyMessage || path.path().isEmpty()) {
        *error
            = reply.errorMessage().isEmpty() ? QStringLiteral("PackageKit made no transaction") : reply.errorMessage();
        co_return std::unique_ptr<PackageKitTransaction>();
    }
    auto transaction = std::make_unique<PackageKitTransaction>(m_options.bus, path);
    // Interactive: PackageKit may ask the desktop's authorisation agent for the password.
    const QVariantList hints { QStringList {
        QStringLiteral("interactive=true"), QStringLiteral("locale=") + QLocale().name() } };
    const bool hinted = co_await transaction->call(QStringLiteral("SetHints"), hints);
    if (!hinted)
        qCDebug(lcSettings).noquote() << "PackageKit took no hints:" << transaction->error();
    co_return transaction;
}

QCoro::Task<LanguagePackInstaller::Result> PackageKitPackInstaller::resolveAndInstall(QStringList packages)
{
    QPointer<PackageKitPackInstaller> self(this);
    QString error;
    std::unique_ptr<PackageKitTransaction> resolve = co_await createTransaction(&error);
    if (!self)
        co_return Result {};
    if (!resolve)
        co_return Result { Outcome::Failed, {}, error };
    const QVariantList resolveArguments { QVariant::fromValue(kFilterNone), packages };
    const bool asked = co_await resolve->call(QStringLiteral("Resolve"), resolveArguments);
    if (!self)
        co_return Result {};
    if (!asked)
        co_return Result { Outcome::Failed, {}, resolve->error() };
    const uint resolved = co_await resolve->finished();
    if (!self)
        co_return Result {};
    if (resolved != PackageKitTransaction::kExitSuccess)
        co_return Result { Outcome::Failed, {}, QStringLiteral("resolve: ") + resolve->error() };

    const QHash<QString, QStringList> installed = resolve->installedIds();
    const QHash<QString, QStringList> available = resolve->availableIds();
    QStringList names;
    QStringList ids;
    QStringList unknown;
    for (const QString& package : std::as_const(packages)) {
        if (installed.contains(package))
            continue;
        if (!available.contains(package)) {
            unknown << package;
            continue;
        }
        names << package;
        ids << available.value(package).constFirst();
    }
    if (ids.isEmpty() && unknown.isEmpty())
        co_return Result { Outcome::NothingMissing, {}, {} };
    if (ids.isEmpty())
        co_return Result { Outcome::Failed, {},
            QStringLiteral("no such packages in the archives: ") + unknown.join(QStringLiteral(", ")) };

    std::unique_ptr<PackageKitTransaction> install = co_await createTransaction(&error);
    if (!self)
        co_return Result {};
    if (!install)
        co_return Result { Outcome::Failed, {}, error };
    connect(install.get(), &PackageKitTransaction::progressChanged, this, &LanguagePackInstaller::progressChanged);
    const QVariantList installArguments { QVariant::fromValue(kOnlyTrusted), ids };
    const bool started = co_await install->call(QStringLiteral("InstallPackages"), installArguments);
    if (!self)
        co_return Result {};
    if (!started)
        co_return Result { Outcome::Failed, {}, install->error() };
    const uint exit = co_await install->finished();
    if (!self)
        co_return Result {};
    if (exit == PackageKitTransaction::kExitSuccess)
        co_return Result { Outcome::Installed, names, {} };
    if (exit == PackageKitTransaction::kExitCancelled)
        co_return Result { Outcome::Cancelled, names, install->error() };
    co_return Result { Outcome::Failed, names, install->error() };
}
