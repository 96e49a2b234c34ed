#include "app/CardStoreStartup.h"

#include "diagnostics/QMLog.h"
#include "store/CardDatabase.h"
#include "store/CardStores.h"

#include <QMessageBox>

namespace CardStoreStartup {

std::unique_ptr<CardStores> open(const QString& path, const FatalReporter& report)
{
    QString error;
    std::unique_ptr<CardStores> stores = CardStores::open(path, &error);
    if (stores)
        return stores;
    const QString message = CardDatabase::fatalMessage(error);
    qCCritical(lcApp).noquote() << message;
    if (report)
        report(message);
    return nullptr;
}

void showFatalDialog(const QString& message)
{
    QMessageBox::critical(nullptr, QStringLiteral("Quillmoor"), message);
}

} // namespace CardStoreStartup
