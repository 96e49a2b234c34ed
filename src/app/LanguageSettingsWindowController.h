#pragma once

#include "app/SectionWindowController.h"

class LanguageSettingsWindowController : public SectionWindowController
{
    Q_OBJECT
public:
    explicit LanguageSettingsWindowController(QObject* parent = nullptr);

    // 408 wide; 0.85 of the available screen height, at most 640 (640 with no screen).
    static int initialHeight();
    // Shows the window with no field focused.
    void showWindowUnfocused();
};
