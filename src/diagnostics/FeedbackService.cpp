#include "diagnostics/FeedbackService.h"

#include "diagnostics/DiagnosticsService.h"
#include "diagnostics/QMLog.h"
#include "platform/MailComposer.h"

#include <QFileInfo>
#include <QSysInfo>
#include <QUrlQuery>

FeedbackService::FeedbackService(std::unique_ptr<MailComposer> composer, const DiagnosticsService* diagnostics,
    std::function<bool(const QUrl&)> urlOpener)
    : m_composer(std::move(composer))
    , m_diagnostics(diagnostics)
    , m_urlOpener(std::move(urlOpener))
    , m_version(QCoreApplication::applicationVersion())
{
}

FeedbackService::~FeedbackService() = default;

QString FeedbackService::body(const QString& version, const QString& systemVersion)
{
    const QString shownVersion = version.isEmpty() ? QStringLiteral("—") : version;
    return QStringLiteral("\n\n---\nQuillmoor ") + shownVersion + QLatin1Char('\n') + systemVersion;
}

QString FeedbackService::subject()
{
    return tr("Quillmoor — отзыв");
}

QUrl FeedbackService::mailtoUrl(const QString& recipient, const QString& subject, const QString& body)
{
    // Mail clients expect CRLF line breaks inside mailto bodies.
    QString crlfBody = body;
    crlfBody.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QString::fromLatin1(QUrl::toPercentEncoding(subject)));
    query.addQueryItem(QStringLiteral("body"), QString::fromLatin1(QUrl::toPercentEncoding(crlfBody)));
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(recipient);
    url.setQuery(query.query(QUrl::FullyEncoded), QUrl::StrictMode);
    return url;
}

void FeedbackService::composeFeedbackEmail()
{
    const QString systemVersion = QSysInfo::prettyProductName() + QStringLiteral(" (") + QSysInfo::kernelType()
        + QLatin1Char(' ') + QSysInfo::kernelVersion() + QLatin1Char(')');
    const QString mailBody = body(m_version, systemVersion);
    if (m_composer && m_composer->isAvailable()) {
        QString attachment;
        if (m_diagnostics && QFileInfo::exists(m_diagnostics->filePath()))
            attachment = m_diagnostics->filePath();
        if (m_composer->compose(kFeedbackAddress, subject(), mailBody, attachment))
            return;
        qCCritical(lcApp) << "Could not start the mail composer; falling back to mailto";
    }
    openMailtoFallback(mailBody);
}

void FeedbackService::openMailtoFallback(const QString& mailBody)
{
    const QUrl url = mailtoUrl(kFeedbackAddress, subject(), mailBody);
    if (!m_urlOpener || !m_urlOpener(url))
        qCCritical(lcApp) << "No mail handler opened the feedback address";
}
