#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The parts of a dictionary endpoint entry that pronunciation uses.
struct DictionaryEntry
{
    struct Phonetic
    {
        std::optional<QString> text;
        std::optional<QString> audio;
    };

    std::optional<QString> phonetic;
    QList<Phonetic> phonetics;

    // The first entry of a response body. nullopt when the body is not an array of entries (an
    // error object for unknown words), when it is empty, or when any entry lacks "phonetics" or
    // has a value of the wrong type.
    static std::optional<DictionaryEntry> firstOf(const QByteArray& body);

    // The entry's own transcription, else the first non-empty one among its phonetics.
    std::optional<QString> transcription() const;
    // The first non-empty recording link.
    std::optional<QString> audioLink() const;
};
