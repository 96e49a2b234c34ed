#pragma once

#include <functional>

class AnkiConnectService;
class ContextualTranslationService;
class EtymologyService;
class GeneratedImageService;
class ImageService;
class LanguageDetector;
class MeaningService;
class Preferences;
class PronunciationService;
class TranslationBackendSet;
class VocabCardStore;

// What a lookup card works with: the language services, the stores and Anki. All outlive every
// card; the vocabulary store is looked up when a card is added, as it opens after the panels exist.
struct LookupServices
{
    Preferences& preferences;
    LanguageDetector& detector;
    ContextualTranslationService& translation;
    TranslationBackendSet& backends;
    PronunciationService& pronunciation;
    MeaningService& meaning;
    EtymologyService& etymology;
    AnkiConnectService& anki;
    ImageService& encyclopedia;
    GeneratedImageService& generator;
    std::function<VocabCardStore*()> vocabulary;
};
