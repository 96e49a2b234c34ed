#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

struct LanguageHypothesis
{
    QString code; // a language code such as "en" or "zh"
    double probability = 0;
};

// Ranked guesses of the language of a text.
class LanguageRecognizer
{
public:
    virtual ~LanguageRecognizer() = default;
    // At most `maximum` hypotheses among `allowedCodes`, most probable first.
    virtual QList<LanguageHypothesis> hypotheses(
        const QString& text, const QStringList& allowedCodes, int maximum) const = 0;

    static std::unique_ptr<LanguageRecognizer> createDefault();
};
