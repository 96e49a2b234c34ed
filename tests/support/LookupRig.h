#pragma once

#include "language/TranslationBackend.h"
#include "panels/LookupServices.h"
#include "platform/LanguageRecognizer.h"
#include "platform/SpeechSynthesizer.h"
#include "support/FakeAnkiConnect.h"
#include "support/FakeModelServer.h"
#include "support/TempXdgHome.h"

#include <QHash>
#include <QJsonObject>
#include <QStringList>

#include <memory>

class CardDatabase;
class ImageRelevanceService;
class LanguageModelClient;
class OnDeviceModelQueue;

// A translation back-end that answers from a table, after an optional delay per text.
class ScriptedBackend final : public TranslationBackend
{
public:
    QHash<QString, QString> answers; // text → translation; missing texts fail
    QHash<QString, int> delaysMs;
    bool supported = true;
    QStringList seen;

    QString name() const override { return QStringLiteral("scripted"); }
    bool accepts(const QString&) const override { return true; }
    QCoro::Task<bool> supports(QString source, QString target) override;
    QCoro::Task<Result> translate(QString text, QString source, QString target) override;
};

// The real recogniser, unless a test fixes the guesses.
class OverridableRecognizer final : public LanguageRecognizer
{
public:
    std::optional<QList<LanguageHypothesis>> guesses;

    QList<LanguageHypothesis> hypotheses(const QString& text, const QStringList& allowed, int maximum) const override
    {
        return guesses ? *guesses : m_real->hypotheses(text, allowed, maximum);
    }

private:
    std::unique_ptr<LanguageRecognizer> m_real = LanguageRecognizer::createDefault();
};

// Speech synthesis that never produces anything: the card then shows what the dictionary gave.
class SilentSpeech final : public SpeechSynthesizer
{
public:
    QCoro::Task<std::optional<QByteArray>> synthesize(QString, QString) override;
    QCoro::Task<std::optional<QString>> transcribe(QString, QString) override;
};

// Every service of a lookup card over a temporary home: a scripted translation back-end, the real
// language recogniser, and local servers standing in for the language model, the dictionary, the
// encyclopedia and AnkiConnect (with their real wire formats).
class LookupRig
{
public:
    LookupRig();
    ~LookupRig();

    LookupServices& services() { return *m_services; }
    Preferences& preferences() { return *m_preferences; }
    ScriptedBackend& backend() { return *m_backend; }
    LocalHttpServer& web() { return m_web.server; } // model, dictionary, encyclopedia
    LocalHttpServer& anki() { return m_anki.server; }
    VocabCardStore& store() { return *m_store; }
    AnkiConnectService& ankiClient() { return *m_ankiClient; }
    OverridableRecognizer& recognizer() { return m_recognizer; }

    // Study English, translate into Spanish, bilingual.
    void useEnglishToSpanish();
    // The model answers chat requests with this record (its "meaning", "translation", …).
    void setModelAnswer(const QJsonObject& record) { m_web.answer(record); }
    // Requests for one record type ("GeneratedEtymology") get this answer instead.
    void setModelAnswer(const QString& schemaName, const QJsonObject& record) { m_web.answer(record, schemaName); }
    // Chat requests the model received for one record type, in order.
    QList<QJsonObject> modelRequests(const QString& schemaName) const { return m_web.chatBodies(schemaName); }
    // The dictionary entry for a word: a transcription and no recording.
    void setPhonetic(const QString& word, const QString& phonetic) { m_phonetics.insert(word, phonetic); }
    // Requests AnkiConnect received for an action, in order.
    QList<QJsonObject> ankiRequests(const QString& action) const { return m_anki.requests(action); }

private:
    TempXdgHome m_home;
    FakeModelServer m_web; // the model is unavailable until it has an answer
    FakeAnkiConnect m_anki;
    QHash<QString, QString> m_phonetics;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<LanguageModelClient> m_model;
    std::unique_ptr<OnDeviceModelQueue> m_queue;
    std::unique_ptr<TranslationBackendSet> m_backends;
    ScriptedBackend* m_backend = nullptr;
    std::unique_ptr<ContextualTranslationService> m_translation;
    OverridableRecognizer m_recognizer;
    std::unique_ptr<LanguageDetector> m_detector;
    SilentSpeech m_speech;
    std::unique_ptr<PronunciationService> m_pronunciation;
    std::unique_ptr<MeaningService> m_meaning;
    std::unique_ptr<EtymologyService> m_etymology;
    std::unique_ptr<AnkiConnectService> m_ankiClient;
    std::unique_ptr<ImageRelevanceService> m_relevance;
    std::unique_ptr<ImageService> m_encyclopedia;
    std::unique_ptr<GeneratedImageService> m_generator;
    std::unique_ptr<CardDatabase> m_database;
    std::unique_ptr<VocabCardStore> m_store;
    std::unique_ptr<LookupServices> m_services;
};
