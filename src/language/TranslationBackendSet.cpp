#include "language/TranslationBackendSet.h"

#include "diagnostics/QMLog.h"
#include "language/ApertiumTranslator.h"
#include "language/FreeDictTranslator.h"
#include "language/LibreTranslateClient.h"
#include "language/ModelTranslator.h"

#include <QStringList>

TranslationBackendSet::TranslationBackendSet() = default;
TranslationBackendSet::~TranslationBackendSet() = default;

std::unique_ptr<TranslationBackendSet> TranslationBackendSet::createDefault(
    const DefaultsStore& settings, LanguageModelClient& model)
{
    auto set = std::make_unique<TranslationBackendSet>();
    set->add(std::make_unique<LibreTranslateClient>(settings));
    set->add(std::make_unique<FreeDictTranslator>());
    set->add(std::make_unique<ApertiumTranslator>());
    set->add(std::make_unique<ModelTranslator>(model));
    return set;
}

TranslationBackend* TranslationBackendSet::add(std::unique_ptr<TranslationBackend> backend)
{
    m_backends.push_back(std::move(backend));
    return m_backends.back().get();
}

QString TranslationBackendSet::availabilityKey(
    const std::optional<QString>& source, const std::optional<QString>& target)
{
    const QString s = source && !source->isEmpty() ? *source : QStringLiteral("?");
    const QString t = target && !target->isEmpty() ? *target : QStringLiteral("?");
    return s + QLatin1Char('-') + t;
}

QCoro::Task<bool> TranslationBackendSet::isPackInstalled(QString source, QString target)
{
    QString by;
    for (const std::unique_ptr<TranslationBackend>& backend : m_backends) {
        if (co_await backend->supports(source, target)) {
            by = backend->name();
            break;
        }
    }
    const bool installed = !by.isEmpty();
    qCDebug(lcTranslation).noquote()
        << QStringLiteral("LanguageAvailability(%1→%2): %3")
               .arg(source, target, installed ? QStringLiteral("installed") : QStringLiteral("unsupported"));
    if (installed)
        qCDebug(lcTranslation).noquote() << "Pair" << source + QLatin1Char('-') + target << "is served by" << by;
    co_return installed;
}

QCoro::Task<bool> TranslationBackendSet::isPairAvailable(std::optional<QString> source, std::optional<QString> target)
{
    if (!source || !target || source->isEmpty() || target->isEmpty())
        co_return false;
    const QString key = availabilityKey(source, target);
    if (m_available.contains(key))
        co_return true;
    const bool installed = co_await isPackInstalled(*source, *target);
    if (installed)
        m_available.insert(key, true);
    co_return installed;
}

QCoro::Task<TranslationBackend::Result> TranslationBackendSet::translate(QString text, QString source, QString target)
{
    QStringList errors;
    for (const std::unique_ptr<TranslationBackend>& backend : m_backends) {
        if (!backend->accepts(text) || !co_await backend->supports(source, target))
            continue;
        const TranslationBackend::Result result = co_await backend->translate(text, source, target);
        if (result.ok() && !result.text->trimmed().isEmpty())
            co_return result;
        errors
            << backend->name() + QStringLiteral(": ") + (result.ok() ? QStringLiteral("empty answer") : result.error);
    }
    if (errors.isEmpty())
        co_return TranslationBackend::Result::failure(
            QStringLiteral("nothing translates %1 into %2").arg(source, target));
    co_return TranslationBackend::Result::failure(errors.join(QStringLiteral("; ")));
}

QCoro::Task<std::optional<QString>> TranslationBackendSet::markedReading(
    QString text, qsizetype markStart, qsizetype markLength, QString source, QString target)
{
    for (const std::unique_ptr<TranslationBackend>& backend : m_backends) {
        if (!backend->followsMarks() || !co_await backend->supports(source, target))
            continue;
        const TranslationBackend::Result result
            = co_await backend->translateMarked(text, markStart, markLength, source, target);
        co_return result.marked;
    }
    co_return std::nullopt;
}

QCoro::Task<std::optional<QString>> TranslationBackendSet::isolatedReading(QString text, QString source, QString target)
{
    for (const std::unique_ptr<TranslationBackend>& backend : m_backends) {
        if (!backend->followsMarks() || !co_await backend->supports(source, target))
            continue;
        const TranslationBackend::Result result = co_await backend->translate(text, source, target);
        if (result.ok())
            co_return result.text;
        co_return std::nullopt;
    }
    co_return std::nullopt;
}

QCoro::Task<QStringList> TranslationBackendSet::senses(QString text, QString source, QString target)
{
    for (const std::unique_ptr<TranslationBackend>& backend : m_backends) {
        if (!backend->accepts(text) || !co_await backend->supports(source, target))
            continue;
        const QStringList found = co_await backend->senses(text, source, target);
        if (!found.isEmpty())
            co_return found;
    }
    co_return QStringList();
}

void TranslationBackendSet::prepare(const QString& source, const QString& target)
{
    if (source.isEmpty() || target.isEmpty() || source == target)
        return;
    for (const std::unique_ptr<TranslationBackend>& backend : m_backends)
        backend->prepare(source, target);
}
