#include "language/ApertiumTranslator.h"

#include "diagnostics/QMLog.h"
#include "language/ApertiumPairProcess.h"
#include "preferences/LanguageCodes.h"

#include <QFileInfo>
#include <QStandardPaths>

ApertiumTranslator::ApertiumTranslator(QString modesDirectory)
    : m_modesDirectory(std::move(modesDirectory))
{
}

ApertiumTranslator::~ApertiumTranslator() = default;

QString ApertiumTranslator::modeFor(const QString& source, const QString& target) const
{
    const QString s2 = LanguageCodes::base(source), t2 = LanguageCodes::base(target);
    if (s2.isEmpty() || t2.isEmpty() || s2 == t2)
        return {};
    const QString s3 = LanguageCodes::threeLetter(s2), t3 = LanguageCodes::threeLetter(t2);
    QStringList candidates;
    if (!s3.isEmpty() && !t3.isEmpty())
        candidates << s3 + QLatin1Char('-') + t3;
    candidates << s2 + QLatin1Char('-') + t2;
    for (const QString& mode : candidates) {
        if (QFileInfo::exists(m_modesDirectory + QLatin1Char('/') + mode + QStringLiteral(".mode")))
            return mode;
    }
    return {};
}

bool ApertiumTranslator::accepts(const QString& text) const
{
    return !text.trimmed().isEmpty();
}

QCoro::Task<bool> ApertiumTranslator::supports(QString source, QString target)
{
    // Only a positive answer is kept: the tools arrive with the first pair installed while the
    // application runs.
    static bool toolsInstalled = false;
    if (!toolsInstalled)
        toolsInstalled = !QStandardPaths::findExecutable(QStringLiteral("apertium-wblank-mode")).isEmpty()
            && !QStandardPaths::findExecutable(QStringLiteral("bash")).isEmpty();
    if (!toolsInstalled)
        co_return false;
    co_return !modeFor(source, target).isEmpty();
}

std::shared_ptr<ApertiumPairProcess> ApertiumTranslator::pipeline(const QString& source, const QString& target)
{
    const QString mode = modeFor(source, target);
    if (mode.isEmpty())
        return nullptr;
    std::shared_ptr<ApertiumPairProcess> process = m_pipelines.value(mode);
    if (!process) {
        process = std::make_shared<ApertiumPairProcess>(
            m_modesDirectory + QLatin1Char('/') + mode + QStringLiteral(".mode"));
        m_pipelines.insert(mode, process);
    }
    return process;
}

QCoro::Task<TranslationBackend::Result> ApertiumTranslator::translate(QString text, QString source, QString target)
{
    co_return co_await translateMarked(std::move(text), -1, 0, std::move(source), std::move(target));
}

QCoro::Task<TranslationBackend::Result> ApertiumTranslator::translateMarked(
    QString text, qsizetype markStart, qsizetype markLength, QString source, QString target)
{
    // The shared handle keeps the pipeline alive until this answer is in.
    const std::shared_ptr<ApertiumPairProcess> process = pipeline(source, target);
    if (!process)
        co_return Result::failure(QStringLiteral("no Apertium pair %1-%2").arg(source, target));
    co_return co_await process->translate(std::move(text), markStart, markLength);
}

namespace {

QCoro::Task<void> warmUp(std::shared_ptr<ApertiumPairProcess> process)
{
    // A short sentence makes every stage load its data; the answer itself is of no interest.
    const TranslationBackend::Result result = co_await process->translate(QStringLiteral("Hello."));
    qCDebug(lcTranslation).noquote() << "Apertium" << QFileInfo(process->modeFile()).completeBaseName()
                                     << (result.ok() ? "ready" : "did not start:") << result.error;
}

} // namespace

void ApertiumTranslator::prepare(const QString& source, const QString& target)
{
    if (QStandardPaths::findExecutable(QStringLiteral("apertium-wblank-mode")).isEmpty())
        return;
    if (const std::shared_ptr<ApertiumPairProcess> process = pipeline(source, target))
        warmUp(process);
}
