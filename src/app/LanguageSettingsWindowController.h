#pragma once

#include "app/SectionWindowController.h"

#include <functional>

class QWidget;

class LanguageSettingsWindowController : public SectionWindowController
{
    Q_OBJECT
public:
    // Without a view the window shows only its section bar and heading.
    explicit LanguageSettingsWindowController(
        const std::function<QWidget*()>& makeView = {}, QObject* parent = nullptr);

    // 408 wide; 0.85 of the available screen height, at most 640 (640 with no screen).
    static int initialHeight();
    // Shows the window with no field focused.
    void showWindowUnfocused();
};
