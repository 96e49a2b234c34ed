#pragma once

#include "language/TranslationBackend.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

class ApertiumPairProcess;

// Sentence translation with Apertium's installed pairs (Debian's apertium-* packages). Each pair
// keeps one pipeline running once it has been used.
class ApertiumTranslator : public TranslationBackend
{
public:
    // Where Debian's apertium-* packages put the pairs' modes.
    static inline const QString kDefaultModesDirectory = QStringLiteral("/usr/share/apertium/modes");

    explicit ApertiumTranslator(QString modesDirectory = kDefaultModesDirectory);
    ~ApertiumTranslator() override;

    QString name() const override { return QStringLiteral("apertium"); }
    bool accepts(const QString& text) const override;
    QCoro::Task<bool> supports(QString source, QString target) override;
    QCoro::Task<Result> translate(QString text, QString source, QString target) override;

    // The mode that translates source → target ("eng-spa", or "en-es" for older pairs); empty when none.
    QString modeFor(const QString& source, const QString& target) const;
    // The pipeline of a mode that has been used, for tests and benchmarks; null before.
    ApertiumPairProcess* pipeline(const QString& mode) const;

private:
    QString m_modesDirectory;
    QHash<QString, std::shared_ptr<ApertiumPairProcess>> m_pipelines;
};
