#pragma once

#include <QCoroTask>
#include <QString>

#include <optional>

// One way of translating text offline: a dictionary, a rule-based translator, a local server or
// the local language model. All calls run on the GUI thread and suspend instead of blocking it.
class TranslationBackend
{
public:
    struct Result
    {
        std::optional<QString> text; // the translation; absent on failure
        QString error; // why not, for the log

        static Result success(QString translation) { return { std::move(translation), {} }; }
        static Result failure(QString reason) { return { std::nullopt, std::move(reason) }; }
        bool ok() const { return text.has_value(); }
    };

    virtual ~TranslationBackend() = default;

    // A short name for the log ("apertium", "freedict", …).
    virtual QString name() const = 0;
    // Whether this back-end is meant for `text` at all (a dictionary only takes words and short phrases).
    virtual bool accepts(const QString& text) const = 0;
    // Whether the pair can be translated now. Base language codes ("en", "es").
    virtual QCoro::Task<bool> supports(QString source, QString target) = 0;
    virtual QCoro::Task<Result> translate(QString text, QString source, QString target) = 0;
};
