#include "platform/XdgEmailComposer.h"

#include <QProcess>
#include <QStandardPaths>

XdgEmailComposer::XdgEmailComposer(QString program)
    : m_program(std::move(program))
{
}

bool XdgEmailComposer::isAvailable() const
{
    return !QStandardPaths::findExecutable(m_program).isEmpty();
}

QStringList XdgEmailComposer::arguments(
    const QString& recipient, const QString& subject, const QString& body, const QString& attachmentPath)
{
    QStringList args { QStringLiteral("--utf8"), QStringLiteral("--subject"), subject, QStringLiteral("--body"), body };
    if (!attachmentPath.isEmpty())
        args << QStringLiteral("--attach") << attachmentPath;
    args << recipient;
    return args;
}

bool XdgEmailComposer::compose(
    const QString& recipient, const QString& subject, const QString& body, const QString& attachmentPath)
{
    // Detached: the mail client may stay open long after this call.
    return QProcess::startDetached(m_program, arguments(recipient, subject, body, attachmentPath));
}

std::unique_ptr<MailComposer> MailComposer::createDefault()
{
    auto composer = std::make_unique<XdgEmailComposer>();
    if (!composer->isAvailable())
        return nullptr;
    return composer;
}
