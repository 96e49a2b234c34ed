#pragma once

#include "language/ModelSchema.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// The grammar review the language model writes for one sentence. The counts it is asked for
// (two to five parts, one label per part, up to three notes) are requests, not guarantees:
// readers cope with any lengths.
struct GeneratedGrammarAnalysis
{
    QString correctedSentence; // in the sentence's language
    QString structureName; // in English
    QStringList sentenceParts; // copied from the original sentence
    QStringList formulaParts; // in the sentence's language
    QString explanation; // in English
    QStringList wordNotes; // in English

    bool operator==(const GeneratedGrammarAnalysis&) const = default;

    static ModelSchema schema();
    // The record from an answer that the schema has already accepted.
    static GeneratedGrammarAnalysis fromJson(const QJsonObject& record);
};
