#include "language/EtymologyDisplay.h"

#include "diagnostics/QMLog.h"
#include "language/TranslationBackendSet.h"
#include "preferences/LanguageCodes.h"
#include "preferences/TranslationPreferences.h"

namespace {
const QString kEnglish = QStringLiteral("en");

bool isEnglish(const std::optional<QString>& code)
{
    return code && LanguageCodes::base(*code) == kEnglish;
}
} // namespace

EtymologyDisplay::EtymologyDisplay(TranslationBackendSet& backends, const TranslationPreferences& preferences)
    : m_backends(backends)
    , m_preferences(preferences)
{
}

ModelSchema EtymologyDisplay::generatedEtymologySchema()
{
    return { QStringLiteral("GeneratedEtymology"),
        { { QStringLiteral("short"),
              QStringLiteral("Short etymology: 1-2 lines. Only the source language of the word, its original form, "
                             "and its original meaning. For a multi-word phrase, cover the key words. No "
                             "introductory phrases."),
              ModelSchema::FieldType::Text },
            { QStringLiteral("full"),
                QStringLiteral("Full etymology: 3-6 sentences. The chain of origin (Proto-Indo-European root, then "
                               "Proto-Germanic or Latin, then Old English or Old French, then the modern form, as "
                               "applicable), shifts in meaning, cognate words, and any interesting details."),
                ModelSchema::FieldType::Text } } };
}

void EtymologyDisplay::finishLoading(std::optional<EtymologyResult> result)
{
    m_result = std::move(result);
    m_loading = false;
}

std::optional<QString> EtymologyDisplay::displayedEtymology() const
{
    if (!m_result)
        return std::nullopt;
    if (const auto* generated = std::get_if<EtymologyResult::Generated>(&m_result->value))
        return m_expanded ? generated->fullText : generated->shortText;
    const auto& wiktionary = std::get<EtymologyResult::Wiktionary>(m_result->value);
    if (m_translated)
        return m_translated;
    if (isEnglish(m_preferences.targetLanguageCode()) || m_translationFailed)
        return wiktionary.text;
    return std::nullopt; // the translation is still on its way
}

bool EtymologyDisplay::isEtymologyLoading() const
{
    if (m_loading)
        return true;
    return m_result && std::holds_alternative<EtymologyResult::Wiktionary>(m_result->value) && !displayedEtymology();
}

std::optional<QString> EtymologyDisplay::textToTranslate() const
{
    if (!m_result)
        return std::nullopt;
    const auto* wiktionary = std::get_if<EtymologyResult::Wiktionary>(&m_result->value);
    const std::optional<QString> target = m_preferences.targetLanguageCode();
    if (!wiktionary || wiktionary->text.isEmpty() || !target || isEnglish(target))
        return std::nullopt;
    return wiktionary->text;
}

std::optional<std::pair<QString, QString>> EtymologyDisplay::translationConfiguration() const
{
    if (!textToTranslate() || !m_packReady)
        return std::nullopt;
    return std::make_pair(kEnglish, *m_preferences.targetLanguageCode());
}

QString EtymologyDisplay::savedEtymology() const
{
    if (m_result) {
        if (const auto* generated = std::get_if<EtymologyResult::Generated>(&m_result->value))
            return generated->fullText;
    }
    return displayedEtymology().value_or(QString());
}

QCoro::Task<void> EtymologyDisplay::checkPack()
{
    if (!textToTranslate())
        co_return;
    m_packReady = co_await m_backends.isPairAvailable(kEnglish, m_preferences.targetLanguageCode());
    if (!m_packReady)
        m_translationFailed = true;
}

QCoro::Task<void> EtymologyDisplay::translate()
{
    const auto configuration = translationConfiguration();
    const std::optional<QString> text = textToTranslate();
    if (!configuration || !text)
        co_return;
    const TranslationBackend::Result translated
        = co_await m_backends.translate(*text, configuration->first, configuration->second);
    if (translated.ok()) {
        m_translated = *translated.text;
        qCDebug(lcEtymology).noquote() << QStringLiteral("Translated etymology: %1").arg(*translated.text);
    } else {
        qCCritical(lcEtymology).noquote() << QStringLiteral("Translation failed: %1").arg(translated.error);
        m_translationFailed = true;
    }
}
