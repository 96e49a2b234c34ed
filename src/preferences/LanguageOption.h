#pragma once

#include <QString>

// One selectable study or target language: its code and its own name.
struct LanguageOption
{
    QString id;
    QString displayName;

    bool operator==(const LanguageOption& other) const { return id == other.id; }
};
