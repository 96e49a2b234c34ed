#pragma once

// The small panel in which the user types a word or phrase to look up.
class QuickLookupPanel
{
public:
    virtual ~QuickLookupPanel() = default;

    // Opens the panel with an empty field and gives it the keyboard.
    virtual void show() = 0;
};
