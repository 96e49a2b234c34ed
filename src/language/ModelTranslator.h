#pragma once

#include "language/ModelSchema.h"
#include "language/TranslationBackend.h"

class LanguageModelClient;

// The local language model as a translator of last resort, for pairs no other back-end has.
class ModelTranslator : public TranslationBackend
{
public:
    // Longer texts are cut here before they reach the prompt.
    static constexpr int kMaxInputCharacters = 2000;

    explicit ModelTranslator(LanguageModelClient& client);

    QString name() const override { return QStringLiteral("language model"); }
    bool accepts(const QString& text) const override;
    QCoro::Task<bool> supports(QString source, QString target) override;
    QCoro::Task<Result> translate(QString text, QString source, QString target) override;

    static ModelSchema schema();
    static QString instructions(const QString& source, const QString& target);
    // Room for a translation somewhat longer than its text, and no more.
    static int maxTokens(const QString& text);

private:
    LanguageModelClient& m_client;
};
