#pragma once

#include "language/EtymologyResult.h"
#include "language/ModelSchema.h"

#include <QCoroTask>
#include <QString>

#include <optional>
#include <utility>

class TranslationBackendSet;
class TranslationPreferences;

// The etymology section of one lookup panel content: what it shows, whether it is still loading,
// whether and how an English etymology is translated, and what a saved card keeps. Nothing in
// the application produces an etymology yet; a producer hands its result to finishLoading().
class EtymologyDisplay
{
public:
    EtymologyDisplay(TranslationBackendSet& backends, const TranslationPreferences& preferences);

    // The etymology step of a new content: loading ends, with the producer's result if there is one.
    void finishLoading(std::optional<EtymologyResult> result = std::nullopt);
    void setExpanded(bool expanded) { m_expanded = expanded; }

    std::optional<QString> displayedEtymology() const;
    bool isEtymologyLoading() const;
    // ("en", target) while an English etymology waits for its translation; absent otherwise.
    std::optional<std::pair<QString, QString>> translationConfiguration() const;
    // The etymology a saved card and its Anki note keep: the full text of a generated one.
    QString savedEtymology() const;

    // Whether English → target can be translated; without it the English text is shown.
    QCoro::Task<void> checkPack();
    // Translates the English etymology when translationConfiguration() asks for it.
    QCoro::Task<void> translate();

    const std::optional<EtymologyResult>& result() const { return m_result; }
    const std::optional<QString>& translatedEtymology() const { return m_translated; }
    bool translationFailed() const { return m_translationFailed; }
    bool packReady() const { return m_packReady; }

    // The record a generating producer would ask the language model for.
    static ModelSchema generatedEtymologySchema();

private:
    // The English text of a Wiktionary result that needs translating into a non-English target.
    std::optional<QString> textToTranslate() const;

    TranslationBackendSet& m_backends;
    const TranslationPreferences& m_preferences;
    std::optional<EtymologyResult> m_result;
    std::optional<QString> m_translated;
    bool m_translationFailed = false;
    bool m_loading = true;
    bool m_expanded = false;
    bool m_packReady = false;
};
