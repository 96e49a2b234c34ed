#pragma once

#include "app/SectionWindowController.h"

#include <functional>

class OnboardingWindowController : public SectionWindowController
{
    Q_OBJECT
public:
    explicit OnboardingWindowController(QObject* parent = nullptr);

    // Runs every time the window closes.
    void setOnFinish(std::function<void()> onFinish) { m_onFinish = std::move(onFinish); }

private:
    std::function<void()> m_onFinish;
};
