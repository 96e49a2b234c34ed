#include "language/ApertiumTranslator.h"

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

ApertiumPairProcess* ApertiumTranslator::pipeline(const QString& mode) const
{
    return m_pipelines.value(mode).get();
}

bool ApertiumTranslator::accepts(const QString& text) const
{
    return !text.trimmed().isEmpty();
}

QCoro::Task<bool> ApertiumTranslator::supports(QString source, QString target)
{
    static const bool toolsInstalled = !QStandardPaths::findExecutable(QStringLiteral("apertium-wblank-mode")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("bash")).isEmpty();
    if (!toolsInstalled)
        co_return false;
    co_return !modeFor(source, target).isEmpty();
}

QCoro::Task<TranslationBackend::Result> ApertiumTranslator::translate(QString text, QString source, QString target)
{
    const QString mode = modeFor(source, target);
    if (mode.isEmpty())
        co_return Result::failure(QStringLiteral("no Apertium pair %1-%2").arg(source, target));
    std::shared_ptr<ApertiumPairProcess> process = m_pipelines.value(mode);
    if (!process) {
        process = std::make_shared<ApertiumPairProcess>(
            m_modesDirectory + QLatin1Char('/') + mode + QStringLiteral(".mode"));
        m_pipelines.insert(mode, process);
    }
    // The shared handle keeps the pipeline alive until this answer is in.
    co_return co_await process->translate(std::move(text));
}
