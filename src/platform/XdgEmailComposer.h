#pragma once

#include "platform/MailComposer.h"

// xdg-email from xdg-utils, which hands the message to the desktop's mail client.
class XdgEmailComposer final : public MailComposer
{
public:
    explicit XdgEmailComposer(QString program = QStringLiteral("xdg-email"));
    bool isAvailable() const override;
    bool compose(
        const QString& recipient, const QString& subject, const QString& body, const QString& attachmentPath) override;

    static QStringList arguments(
        const QString& recipient, const QString& subject, const QString& body, const QString& attachmentPath);

private:
    QString m_program;
};
