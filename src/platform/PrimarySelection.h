#pragma once

#include <QCoroTask>
#include <QString>

#include <memory>
#include <optional>

// The text currently selected anywhere on the desktop (the X11 PRIMARY selection). Reading it
// sends no keystroke and leaves the clipboard alone.
class PrimarySelection
{
public:
    virtual ~PrimarySelection() = default;
    // nullopt when nothing is selected or the owner does not answer in time.
    virtual QCoro::Task<std::optional<QString>> read() = 0;

    static std::unique_ptr<PrimarySelection> createX11();
};
