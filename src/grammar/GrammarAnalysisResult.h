#pragma once

#include "grammar/GeneratedGrammarAnalysis.h"

// One analysed sentence: the trimmed sentence as the user gave it and the model's review of it.
struct GrammarAnalysisResult
{
    QString originalSentence;
    GeneratedGrammarAnalysis analysis;

    // The correction changes more than letter case or the white space around the sentence.
    bool hasErrors() const
    {
        return analysis.correctedSentence.trimmed().toLower() != originalSentence.trimmed().toLower();
    }

    bool operator==(const GrammarAnalysisResult&) const = default;
};
