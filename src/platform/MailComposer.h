#pragma once

#include <QString>

#include <memory>

// Opens a new e-mail in the user's mail client.
class MailComposer
{
public:
    virtual ~MailComposer() = default;
    // False when no composer with attachments is available here.
    virtual bool isAvailable() const = 0;
    virtual bool compose(
        const QString& recipient, const QString& subject, const QString& body, const QString& attachmentPath)
        = 0;

    // xdg-email when it is installed.
    static std::unique_ptr<MailComposer> createDefault();
};
