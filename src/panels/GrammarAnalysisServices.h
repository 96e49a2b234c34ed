#pragma once

class GrammarAnalysisService;
class LanguageRecognizer;
class Preferences;
class TranslationBackendSet;

// What the grammar analysis panel works with. All outlive every panel content.
struct GrammarAnalysisServices
{
    Preferences& preferences;
    const LanguageRecognizer& recognizer;
    TranslationBackendSet& backends;
    GrammarAnalysisService& analysis;
};
