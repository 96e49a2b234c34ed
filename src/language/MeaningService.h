#pragma once

#include "language/LruCache.h"
#include "language/ModelSchema.h"

#include <QCoroTask>
#include <QHash>
#include <QString>

#include <optional>

class LanguageModelClient;

// In monolingual mode: a short learner's-dictionary definition of the word as its sentence uses
// it, written in the word's own language by the local language model.
class MeaningService
{
public:
    static constexpr int kMaxInputCharacters = 2000;
    // A definition of a sentence or two inside a small JSON record.
    static constexpr int kMaxTokens = 256;

    explicit MeaningService(LanguageModelClient& model);

    // The definition, or nothing when the model cannot give one. Never fails. `languageCode`:
    // the base code of the word's language.
    QCoro::Task<std::optional<QString>> generate(QString word, QString sentence, QString languageCode);

    static ModelSchema schema();
    static QString instructions(const QString& languageName);
    static QString prompt(const QString& word, const QString& sentence);
    static QString cacheKey(const QString& word, const QString& sentence, const QString& languageCode);

private:
    LanguageModelClient& m_model;
    LruCache<QString, QString> m_cache;
};
