#include "app/AccessibilityPrompt.h"

#include "diagnostics/QMLog.h"
#include "platform/AccessibilityTrust.h"

#include <QMessageBox>
#include <QPushButton>

QMessageBox* AccessibilityPrompt::show(AccessibilityTrust& trust, QWidget* parent)
{
    auto* box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("accessibilityPrompt"));
    box->setIcon(QMessageBox::Information);
    box->setWindowTitle(QStringLiteral("Quillmoor"));
    box->setText(tr("Чтобы читать слово под указателем, Quillmoor нужна служба специальных возможностей (AT-SPI), "
                    "а она выключена."));
    box->setInformativeText(tr("Включить её сейчас? Приложения, запущенные раньше, нужно будет перезапустить, чтобы "
                               "Quillmoor мог читать их текст."));
    QPushButton* enable = box->addButton(tr("Включить"), QMessageBox::AcceptRole);
    enable->setObjectName(QStringLiteral("enableAccessibility"));
    box->addButton(tr("Не сейчас"), QMessageBox::RejectRole)->setObjectName(QStringLiteral("notNow"));
    box->setDefaultButton(enable);
    QObject::connect(enable, &QPushButton::clicked, box, [&trust, parent] {
        const bool on = trust.enable();
        qCInfo(lcApp).noquote() << QStringLiteral("Accessibility switched on: %1").arg(on ? "true" : "false");
        if (!on) {
            auto* failure = new QMessageBox(QMessageBox::Warning, QStringLiteral("Quillmoor"),
                tr("Не удалось включить службу специальных возможностей."), QMessageBox::Ok, parent);
            failure->setAttribute(Qt::WA_DeleteOnClose);
            failure->setObjectName(QStringLiteral("accessibilityFailure"));
            failure->show();
        }
    });
    box->show();
    return box;
}
