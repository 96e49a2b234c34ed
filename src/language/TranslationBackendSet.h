#pragma once

#include "language/TranslationBackend.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class DefaultsStore;
class LanguageModelClient;

// The offline translation service: the back-ends in the order they are tried (the user's
// translation server, the dictionaries for words, Apertium for sentences, the language model),
// and the answer to "can this pair be translated now".
class TranslationBackendSet
{
public:
    TranslationBackendSet();
    ~TranslationBackendSet();

    // The back-ends of this machine, in their order.
    static std::unique_ptr<TranslationBackendSet> createDefault(
        const DefaultsStore& settings, LanguageModelClient& model);

    // Appends a back-end; returns it for the caller's convenience.
    TranslationBackend* add(std::unique_ptr<TranslationBackend> backend);
    const std::vector<std::unique_ptr<TranslationBackend>>& backends() const { return m_backends; }

    // True exactly when some back-end can translate the pair now. Logs the answer.
    QCoro::Task<bool> isPackInstalled(QString source, QString target);
    // isPackInstalled through the availability cache. Only "installed" is remembered: a pair
    // that is missing now may be installed, or its server started, while the application runs.
    QCoro::Task<bool> isPairAvailable(std::optional<QString> source, std::optional<QString> target);
    // Forgets every pair found installed, so that the next lookup asks the back-ends again (after
    // packages were installed or removed while the application runs).
    void clearAvailability() { m_available.clear(); }
    // "en-es"; a missing code is written "?".
    static QString availabilityKey(const std::optional<QString>& source, const std::optional<QString>& target);

    // The first back-end that takes the text and the pair and answers wins.
    QCoro::Task<TranslationBackend::Result> translate(QString text, QString source, QString target);
    // What the sentence translator (the first back-end that follows marks) made of the stretch
    // [markStart, markStart + markLength) of the sentence. Marks can change a translation (a
    // multi-word expression is no longer seen as one), so the sentence shown is translate()'s.
    QCoro::Task<std::optional<QString>> markedReading(
        QString text, qsizetype markStart, qsizetype markLength, QString source, QString target);
    // What the sentence translator (the first back-end that follows marks) makes of the text on
    // its own, out of any context; empty when there is none for the pair.
    QCoro::Task<std::optional<QString>> isolatedReading(QString text, QString source, QString target);
    // The first dictionary's translations of a word or short phrase; empty when none has it.
    QCoro::Task<QStringList> senses(QString text, QString source, QString target);
    // Every back-end of the pair gets ready, so that the first lookup is as quick as the next.
    void prepare(const QString& source, const QString& target);

private:
    std::vector<std::unique_ptr<TranslationBackend>> m_backends;
    QHash<QString, bool> m_available;
};
