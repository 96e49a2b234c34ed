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
    QCoro::Task<Result> translateMarked(
        QString text, qsizetype markStart, qsizetype markLength, QString source, QString target) override;
    bool followsMarks() const override { return true; }
    // Starts the pair's pipeline and has it load its data with a first small translation.
    void prepare(const QString& source, const QString& target) override;

    // The mode that translates source → target ("eng-spa", or "en-es" for older pairs); empty when none.
    QString modeFor(const QString& source, const QString& target) const;

private:
    // The pipeline of a mode, started on first use; null when the pair has no mode.
    std::shared_ptr<ApertiumPairProcess> pipeline(const QString& source, const QString& target);

    QString m_modesDirectory;
    QHash<QString, std::shared_ptr<ApertiumPairProcess>> m_pipelines;
};
