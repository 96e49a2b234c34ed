#include "platform/espeak/EspeakSpeechSynthesizer.h"

#include "diagnostics/QMLog.h"
#include "platform/SpeechCompletionBox.h"
#include "platform/WavEncoder.h"

#include <QCoroSignal>
#include <QMetaObject>
#include <QPointer>

#include <espeak-ng/speak_lib.h>

#include <memory>

namespace {

// State of the synthesis in progress; only the worker thread touches it.
struct SynthesisJob
{
    QByteArray pcm;
    std::shared_ptr<SpeechCompletionBox> box;
    int sampleRate = 0;
};

int onSynthesis(short* wav, int numsamples, espeak_EVENT* events)
{
    auto* job = events ? static_cast<SynthesisJob*>(events->user_data) : nullptr;
    if (!job)
        return 0;
    if (!wav) {
        // End of speech.
        job->box->resume(WavEncoder::encodeMono16(job->pcm, job->sampleRate));
        return 0;
    }
    if (numsamples > 0)
        job->pcm.append(reinterpret_cast<const char*>(wav), qsizetype(numsamples) * qsizetype(sizeof(short)));
    return 0;
}

// Called on the worker thread only. Returns the sample rate, or 0 when the library is unusable.
int ensureInitialised()
{
    static int rate = [] {
        const int r = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (r <= 0) {
            qCWarning(lcPronunciation) << "espeak-ng initialisation failed:" << r;
            return 0;
        }
        espeak_SetSynthCallback(onSynthesis);
        return r;
    }();
    return rate;
}

bool selectVoice(const QString& languageCode)
{
    const QString voice = EspeakSpeechSynthesizer::voiceForLanguage(languageCode);
    const QByteArray name = voice.isEmpty() ? QByteArrayLiteral("en-us") : voice.toUtf8();
    return espeak_SetVoiceByName(name.constData()) == EE_OK;
}

} // namespace

EspeakSpeechSynthesizer::EspeakSpeechSynthesizer(QObject* parent)
    : QObject(parent)
{
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("espeak-ng"));
    m_thread.start();
}

EspeakSpeechSynthesizer::~EspeakSpeechSynthesizer()
{
    m_thread.quit();
    m_thread.wait();
}

QString EspeakSpeechSynthesizer::voiceForLanguage(const QString& languageCode)
{
    static const QHash<QString, QString> voices = {
        { QStringLiteral("en"), QStringLiteral("en-us") },
        { QStringLiteral("ru"), QStringLiteral("ru") },
        { QStringLiteral("es"), QStringLiteral("es") },
        { QStringLiteral("fr"), QStringLiteral("fr") },
        { QStringLiteral("de"), QStringLiteral("de") },
        { QStringLiteral("it"), QStringLiteral("it") },
        { QStringLiteral("pt"), QStringLiteral("pt") },
        { QStringLiteral("zh"), QStringLiteral("cmn-latn-pinyin") },
        { QStringLiteral("ja"), QStringLiteral("ja") },
        { QStringLiteral("ko"), QStringLiteral("ko") },
        { QStringLiteral("tr"), QStringLiteral("tr") },
        { QStringLiteral("ar"), QStringLiteral("ar") },
    };
    return voices.value(languageCode);
}

namespace {
// On the worker thread: the engine initialised and the voice chosen; records the sample rate.
bool prepareOnWorker(const QString& languageCode, std::atomic<int>* rateOut)
{
    const int rate = ensureInitialised();
    rateOut->store(rate);
    return rate != 0 && selectVoice(languageCode);
}
} // namespace

QCoro::Task<std::optional<QByteArray>> EspeakSpeechSynthesizer::synthesize(QString text, QString languageCode)
{
    auto box = std::make_shared<SpeechCompletionBox>();
    if (text.trimmed().isEmpty())
        co_return std::nullopt;
    std::atomic<int>* rateOut = &m_sampleRate;
    QMetaObject::invokeMethod(
        m_worker,
        [box, text, languageCode, rateOut] {
            if (!prepareOnWorker(languageCode, rateOut)) {
                box->resume(std::nullopt);
                return;
            }
            SynthesisJob job { {}, box, rateOut->load() };
            const QByteArray utf8 = text.toUtf8();
            const espeak_ERROR status = espeak_Synth(
                utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &job);
            if (status != EE_OK)
                qCCritical(lcPronunciation).noquote()
                    << "TTS write failed:" << QStringLiteral("espeak-ng error %1").arg(int(status));
            // A no-op when the end of speech already delivered the bytes.
            box->resume(std::nullopt);
        },
        Qt::QueuedConnection);
    co_await qCoro(box.get(), &SpeechCompletionBox::finished);
    co_return box->result();
}

QCoro::Task<std::optional<QString>> EspeakSpeechSynthesizer::transcribe(QString text, QString languageCode)
{
    auto box = std::make_shared<SpeechCompletionBox>();
    if (text.trimmed().isEmpty())
        co_return std::nullopt;
    std::atomic<int>* rateOut = &m_sampleRate;
    QMetaObject::invokeMethod(
        m_worker,
        [box, text, languageCode, rateOut] {
            if (!prepareOnWorker(languageCode, rateOut)) {
                box->resume(std::nullopt);
                return;
            }
            const QByteArray utf8 = text.toUtf8();
            const void* cursor = utf8.constData();
            QByteArray ipa;
            while (cursor) {
                const char* clause = espeak_TextToPhonemes(&cursor, espeakCHARS_UTF8, espeakPHONEMES_IPA);
                if (!clause)
                    break;
                if (!ipa.isEmpty() && *clause)
                    ipa.append(' ');
                ipa.append(clause);
            }
            ipa = ipa.trimmed();
            box->resume(ipa.isEmpty() ? std::nullopt : std::optional<QByteArray>(ipa));
        },
        Qt::QueuedConnection);
    co_await qCoro(box.get(), &SpeechCompletionBox::finished);
    const auto bytes = box->result();
    if (!bytes)
        co_return std::nullopt;
    co_return QString::fromUtf8(*bytes);
}

#include "moc_EspeakSpeechSynthesizer.cpp"
