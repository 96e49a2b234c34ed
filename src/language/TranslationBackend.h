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
        // What the marked stretch of the text became (translateMarked), where the back-end can tell.
        std::optional<QString> marked;

        static Result success(QString translation) { return { std::move(translation), {}, std::nullopt }; }
        static Result failure(QString reason) { return { std::nullopt, std::move(reason), std::nullopt }; }
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

    // A dictionary's translations of a word or short phrase, best entry first; empty when this
    // back-end is no dictionary or has no entry for it.
    virtual QCoro::Task<QStringList> senses(QString text, QString source, QString target);
    // translate(), also telling what became of text[markStart, markStart + markLength) where the
    // back-end can follow a word through the translation.
    virtual QCoro::Task<Result> translateMarked(
        QString text, qsizetype markStart, qsizetype markLength, QString source, QString target);
    // translateMarked() really follows the marked words (a sentence translator that can say what
    // became of a word in its context).
    virtual bool followsMarks() const { return false; }
    // Gets ready to translate the pair at once (loads its data, starts its processes) without
    // making anyone wait; nothing by default.
    virtual void prepare(const QString& source, const QString& target);
};
