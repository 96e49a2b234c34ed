#pragma once

#include <memory>

// Whether assistive access to other applications' text is on (the AT-SPI bus on Linux).
class AccessibilityTrust
{
public:
    virtual ~AccessibilityTrust() = default;
    // prompt: ask the user to switch it on when it is off.
    virtual bool isTrusted(bool prompt) = 0;

    static std::unique_ptr<AccessibilityTrust> createDefault();
};
