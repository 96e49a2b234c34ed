#pragma once

#include "language/TranslationBackend.h"
#include "platform/HttpClient.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

class DefaultsStore;

// A LibreTranslate-compatible translation server chosen by the user (off while its address is
// empty): POST /translate with {q, source, target, format, api_key}, GET /languages for the pairs.
class LibreTranslateClient : public QObject, public TranslationBackend
{
    Q_OBJECT
public:
    static inline const QString kUrlKey = QStringLiteral("translation.server.url");
    static inline const QString kApiKeyKey = QStringLiteral("translation.server.apiKey");

    explicit LibreTranslateClient(const DefaultsStore& settings, QObject* parent = nullptr);

    QString name() const override { return QStringLiteral("libretranslate"); }
    bool accepts(const QString& text) const override;
    QCoro::Task<bool> supports(QString source, QString target) override;
    QCoro::Task<Result> translate(QString text, QString source, QString target) override;

private:
    QString baseUrl() const;

    const DefaultsStore& m_settings;
    HttpClient m_http;
    // The server's pairs ("en-es"), as last listed, with the address they were listed by.
    QString m_listedUrl;
    QSet<QString> m_pairs;
    QDateTime m_listedAt;
    bool m_listOk = false;
};
