#include "language/TranslationBackend.h"

QCoro::Task<QStringList> TranslationBackend::senses(QString, QString, QString)
{
    co_return QStringList();
}

QCoro::Task<TranslationBackend::Result> TranslationBackend::translateMarked(
    QString text, qsizetype, qsizetype, QString source, QString target)
{
    co_return co_await translate(std::move(text), std::move(source), std::move(target));
}

void TranslationBackend::prepare(const QString&, const QString&)
{
}
