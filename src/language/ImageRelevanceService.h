#pragma once

#include "language/ModelSchema.h"

#include <QCoroTask>
#include <QString>

class LanguageModelClient;

// Asks the local language model whether an encyclopedia picture suits a word in its sentence.
// Without a model (or a description to judge) the picture is accepted.
class ImageRelevanceService
{
public:
    explicit ImageRelevanceService(LanguageModelClient& model);

    QCoro::Task<bool> isRelevant(QString word, QString sentence, QString imageDescription);

    static QString instructions();
    static QString prompt(const QString& word, const QString& sentence, const QString& description);
    static ModelSchema schema();

private:
    LanguageModelClient& m_model;
};
