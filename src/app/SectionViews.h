#pragma once

#include <QWidget>

#include <functional>

// Builds the content of the settings and guide windows; the composition root knows what they need.
struct SectionViews
{
    std::function<QWidget*()> languageSettings;
    // Given the action that closes the guide's window.
    std::function<QWidget*(std::function<void()> requestClose)> onboarding;
};
