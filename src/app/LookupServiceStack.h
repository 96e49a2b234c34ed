#pragma once

#include "panels/LookupServices.h"

#include <memory>

class GrammarAnalysisService;
class GrammarExerciseGenerationService;
class ImageRelevanceService;
class LanguageModelClient;
class LanguageRecognizer;
class OnDeviceModelQueue;
class SpeechSynthesizer;
class WordNetVerbTagger;

// Owns the language services, Anki and the picture sources that the lookup cards use.
class LookupServiceStack
{
public:
    LookupServiceStack(Preferences& preferences, VocabCardStore& vocabulary, LanguageRecognizer& recognizer,
        SpeechSynthesizer& speech);
    ~LookupServiceStack();

    LookupServices& services() { return *m_services; }
    // Loads what the first lookup of the study → target pair needs (dictionary, word lists, the
    // verb lexicon, the Apertium pipeline), so that it is as quick as the next.
    void prepareTranslation(Preferences& preferences);
    // The grammar analysis panel's model access, on the same model client.
    GrammarAnalysisService& grammarAnalysis() { return *m_grammarAnalysis; }
    // The grammar window's exercises from the learner's words, on the same model client.
    GrammarExerciseGenerationService& exerciseGeneration() { return *m_exerciseGeneration; }

private:
    // The verb lexicon is read on the first translation, not at launch.
    bool isVerb(const QString& word, const QString& sentence);

    std::unique_ptr<LanguageModelClient> m_model;
    std::unique_ptr<OnDeviceModelQueue> m_queue;
    std::unique_ptr<TranslationBackendSet> m_backends;
    std::unique_ptr<WordNetVerbTagger> m_verbs;
    std::unique_ptr<ContextualTranslationService> m_translation;
    std::unique_ptr<LanguageDetector> m_detector;
    std::unique_ptr<PronunciationService> m_pronunciation;
    std::unique_ptr<MeaningService> m_meaning;
    std::unique_ptr<EtymologyService> m_etymology;
    std::unique_ptr<AnkiConnectService> m_anki;
    std::unique_ptr<ImageRelevanceService> m_relevance;
    std::unique_ptr<ImageService> m_encyclopedia;
    std::unique_ptr<GeneratedImageService> m_generator;
    std::unique_ptr<LookupServices> m_services;
    std::unique_ptr<GrammarAnalysisService> m_grammarAnalysis;
    std::unique_ptr<GrammarExerciseGenerationService> m_exerciseGeneration;
};
