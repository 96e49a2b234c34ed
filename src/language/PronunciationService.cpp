#include "language/PronunciationService.h"

#include "capture/CJKScript.h"
#include "capture/JapaneseConjugation.h"
#include "diagnostics/QMLog.h"
#include "language/DictionaryEntry.h"
#include "platform/SpeechSynthesizer.h"
#include "preferences/DefaultsStore.h"

#include <QHash>
#include <QPointer>

#include <algorithm>

PronunciationService::PronunciationService(const DefaultsStore& settings, SpeechSynthesizer& speech, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_speech(speech)
{
}

std::optional<QString> PronunciationService::dictionaryLocale(const QString& languageCode)
{
    static const QHash<QString, QString> locales {
        { QStringLiteral("en"), QStringLiteral("en") },
        { QStringLiteral("ru"), QStringLiteral("ru") },
        { QStringLiteral("es"), QStringLiteral("es") },
        { QStringLiteral("fr"), QStringLiteral("fr") },
        { QStringLiteral("de"), QStringLiteral("de") },
        { QStringLiteral("it"), QStringLiteral("it") },
        { QStringLiteral("pt"), QStringLiteral("pt-BR") },
        { QStringLiteral("ja"), QStringLiteral("ja") },
        { QStringLiteral("ko"), QStringLiteral("ko") },
        { QStringLiteral("tr"), QStringLiteral("tr") },
        { QStringLiteral("ar"), QStringLiteral("ar") },
    };
    const auto it = locales.constFind(languageCode);
    return it == locales.constEnd() ? std::nullopt : std::optional(*it);
}

QUrl PronunciationService::recordingUrl(const QString& link)
{
    if (link.startsWith(QLatin1String("http")))
        return QUrl(link);
    return QUrl(QStringLiteral("https:") + link);
}

bool PronunciationService::isAcceptableRecording(const HttpClient::Response& response)
{
    const QByteArray& body = response.body;
    if (!response.isSuccess() || body.isEmpty() || body.trimmed().startsWith('<'))
        return false;
    const bool id3 = body.startsWith("ID3");
    const bool frameSync = body.size() > 1 && uchar(body[0]) == 0xFF && (uchar(body[1]) & 0xE0) == 0xE0;
    return id3 || frameSync || response.contentType.startsWith("audio/");
}

bool PronunciationService::canSynthesize(const QString& text, const std::optional<QString>& languageCode)
{
    if (languageCode != QLatin1String("ja"))
        return true;
    const QList<uint> scalars = text.toUcs4();
    return std::none_of(scalars.begin(), scalars.end(), [](uint c) { return CJKScript::isHanScalar(char32_t(c)); });
}

QUrl PronunciationService::entryUrl(const QString& word, const QString& locale) const
{
    const std::optional<QString> segment = HttpClient::pathSegment(word);
    if (!segment)
        return {};
    QString base = m_settings.string(kBaseUrlKey).value_or(kDefaultBaseUrl).trimmed();
    if (base.isEmpty())
        base = kDefaultBaseUrl;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return QUrl::fromEncoded(
        (base + QStringLiteral("/api/v2/entries/") + locale + QLatin1Char('/') + *segment).toUtf8(), QUrl::StrictMode);
}

QCoro::Task<std::optional<PronunciationResult>> PronunciationService::fetchFromDictionaryAPI(
    QString word, QString locale)
{
    const QUrl url = entryUrl(word, locale);
    if (!url.isValid())
        co_return std::nullopt;
    // Each wait may outlast this service: after it, nothing is touched unless the service lives.
    QPointer<PronunciationService> self(this);
    const HttpClient::Request entryRequest = HttpClient::Request::get(url);
    const HttpClient::Response answer = co_await m_http.send(entryRequest);
    if (!answer.answered()) {
        qCDebug(lcPronunciation).noquote() << "Dictionary request failed:" << answer.failure;
        co_return std::nullopt;
    }
    const std::optional<DictionaryEntry> entry = DictionaryEntry::firstOf(answer.body);
    if (!entry)
        co_return std::nullopt;
    PronunciationResult result;
    result.phonetic = entry->transcription();
    const std::optional<QString> link = entry->audioLink();
    if (!link || !self)
        co_return result.phonetic ? std::optional(result) : std::nullopt;
    const HttpClient::Request recordingRequest = HttpClient::Request::get(recordingUrl(*link));
    const HttpClient::Response recording = co_await m_http.send(recordingRequest);
    if (isAcceptableRecording(recording)) {
        result.audioData = recording.body;
        co_return result;
    }
    qCDebug(lcPronunciation).noquote() << "Recording rejected:" << *link << recording.status << recording.failure;
    co_return result.phonetic ? std::optional(result) : std::nullopt;
}

QCoro::Task<std::optional<QByteArray>> PronunciationService::synthesizeSpeech(
    QString text, std::optional<QString> languageCode)
{
    if (!canSynthesize(text, languageCode)) {
        qCDebug(lcPronunciation) << "No synthesized audio for Japanese with kanji";
        co_return std::nullopt;
    }
    co_return co_await m_speech.synthesize(text, languageCode.value_or(QString()));
}

QCoro::Task<std::optional<QString>> PronunciationService::synthesizedTranscription(
    QString text, std::optional<QString> languageCode)
{
    // Only where the synthesizer reads the language well: without a code it would give an
    // English reading, and Chinese comes out with tone digits.
    if (!languageCode || languageCode == QLatin1String("zh") || !canSynthesize(text, languageCode))
        co_return std::nullopt;
    const std::optional<QString> ipa = co_await m_speech.transcribe(text, *languageCode);
    if (!ipa || ipa->trimmed().isEmpty())
        co_return std::nullopt;
    co_return QLatin1Char('/') + ipa->trimmed() + QLatin1Char('/');
}

QCoro::Task<PronunciationResult> PronunciationService::fetch(QString word, std::optional<QString> sourceLanguageCode)
{
    std::optional<QString> phonetic;
    const std::optional<QString> locale = sourceLanguageCode ? dictionaryLocale(*sourceLanguageCode) : std::nullopt;
    QPointer<PronunciationService> self(this);
    if (locale) {
        std::optional<PronunciationResult> found = co_await fetchFromDictionaryAPI(word, *locale);
        if (!found && sourceLanguageCode == QLatin1String("ja")) {
            const QStringList candidates = JapaneseConjugation::dictionaryFormCandidates(word);
            for (qsizetype i = 1; i < candidates.size() && !found && self; ++i)
                found = co_await fetchFromDictionaryAPI(candidates[i], *locale);
        }
        if (found && found->audioData)
            co_return *found;
        if (found)
            phonetic = found->phonetic;
    }
    PronunciationResult result;
    result.phonetic = phonetic;
    if (!self)
        co_return result;
    result.audioFileExtension = QStringLiteral("wav");
    result.audioData = co_await synthesizeSpeech(word, sourceLanguageCode);
    if (!result.phonetic && self)
        result.phonetic = co_await synthesizedTranscription(word, sourceLanguageCode);
    co_return result;
}
