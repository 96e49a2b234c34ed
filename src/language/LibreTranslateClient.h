#pragma once

#include "language/TranslationBackend.h"

#include <QDateTime>
#include <QHash>
#include <QNetworkAccessManager>
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
    static constexpr int kConnectTimeoutMs = 2000;
    static constexpr int kTotalTimeoutMs = 15000;

    explicit LibreTranslateClient(const DefaultsStore& settings, QObject* parent = nullptr);

    QString name() const override { return QStringLiteral("libretranslate"); }
    bool accepts(const QString& text) const override;
    QCoro::Task<bool> supports(QString source, QString target) override;
    QCoro::Task<Result> translate(QString text, QString source, QString target) override;

    // True when an address is set.
    bool isConfigured() const;
    void setTimeoutsForTesting(int connectMs, int totalMs);

private:
    QString baseUrl() const;

    const DefaultsStore& m_settings;
    QNetworkAccessManager m_network;
    // The server's pairs ("en-es"), as last listed, with the address they were listed by.
    QString m_listedUrl;
    QSet<QString> m_pairs;
    QDateTime m_listedAt;
    bool m_listOk = false;
    int m_connectTimeoutMs = kConnectTimeoutMs;
    int m_totalTimeoutMs = kTotalTimeoutMs;
};
