#pragma once

#include "grammar/GrammarBankTopic.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A whole course file. Decoding is strict: a missing required key, a value of another JSON type or
// an unknown level or exercise type rejects the file; unknown keys are ignored.
struct GrammarBankFile
{
    qint64 version = 0;
    QString languageCode;
    QList<GrammarBankTopic> topics;

    // The file, or nullopt with a description of the first problem in `error`.
    static std::optional<GrammarBankFile> decode(const QByteArray& json, QString* error);
};
