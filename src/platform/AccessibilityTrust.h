#pragma once

#include <functional>
#include <memory>

// Whether assistive access to other applications' text is on (the AT-SPI bus on Linux).
class AccessibilityTrust
{
public:
    virtual ~AccessibilityTrust() = default;
    // prompt: when it is off, ask the user (through the prompter) to switch it on.
    virtual bool isTrusted(bool prompt) = 0;
    // Switches assistive access on for applications started from now on; true when it is on.
    virtual bool enable() = 0;

    // Shows the question; the application installs its dialog here.
    void setPrompter(std::function<void()> prompter) { m_prompter = std::move(prompter); }

    static std::unique_ptr<AccessibilityTrust> createDefault();

protected:
    void prompt()
    {
        if (m_prompter)
            m_prompter();
    }

private:
    std::function<void()> m_prompter;
};
