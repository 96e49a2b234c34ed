#pragma once

#include <QString>

#include <optional>

// The source language of a capture, and a notice when the guess was weak.
struct LanguageDetection
{
    std::optional<QString> language;
    std::optional<QString> notice;

    bool operator==(const LanguageDetection&) const = default;
};
