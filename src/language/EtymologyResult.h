#pragma once

#include <QString>

#include <variant>

// An etymology as the lookup panel receives it: an English text to be translated into the
// target language, or a short and a full etymology shown as they are.
struct EtymologyResult
{
    struct Wiktionary
    {
        QString text;
        bool operator==(const Wiktionary&) const = default;
    };
    struct Generated
    {
        QString shortText;
        QString fullText;
        bool operator==(const Generated&) const = default;
    };

    std::variant<Wiktionary, Generated> value;

    bool operator==(const EtymologyResult&) const = default;
};
