#pragma once

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

// What a lookup card works with: the language services, the vocabulary store and Anki. All
// outlive every card.
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
    VocabCardStore& vocabulary;
};
