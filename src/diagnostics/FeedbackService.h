#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class DiagnosticsService;
class MailComposer;

// Opens an e-mail to the developers with the version, the system and the diagnostics file.
class FeedbackService
{
    Q_DECLARE_TR_FUNCTIONS(FeedbackService)
public:
    static inline const QString kFeedbackAddress = QStringLiteral("feedback@quillmoor.org");

    // composer may be null (no mail client that takes attachments); urlOpener opens mailto: URLs.
    FeedbackService(std::unique_ptr<MailComposer> composer, const DiagnosticsService* diagnostics,
        std::function<bool(const QUrl&)> urlOpener);
    ~FeedbackService();

    void composeFeedbackEmail();

    // "\n\n---\nQuillmoor <version>\n<system>"; "—" stands for a missing version.
    static QString body(const QString& version, const QString& systemVersion);
    static QString subject();
    static QUrl mailtoUrl(const QString& recipient, const QString& subject, const QString& body);

    void setVersion(QString version) { m_version = std::move(version); }

private:
    void openMailtoFallback(const QString& body);

    std::unique_ptr<MailComposer> m_composer;
    const DiagnosticsService* m_diagnostics;
    std::function<bool(const QUrl&)> m_urlOpener;
    QString m_version;
};
