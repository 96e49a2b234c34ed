#pragma once

#include "platform/TopLevelWindow.h"

#include <QCoroTask>
#include <QString>

#include <memory>
#include <optional>

// The text currently selected on the desktop (the X11 PRIMARY selection), when the application
// that holds it is the one asked about. Reading it sends no keystroke and leaves the clipboard
// alone.
class PrimarySelection
{
public:
    // The owner does not answer within this: a hung program never holds up a capture.
    static constexpr int kTimeoutMs = 80;

    virtual ~PrimarySelection() = default;
    // The selection, when its owner belongs to the application of the window; nullopt when
    // nothing is selected, another application holds it, or the owner does not answer in time.
    virtual QCoro::Task<std::optional<QString>> read(TopLevelWindow window) = 0;

    static std::unique_ptr<PrimarySelection> createX11();
};
