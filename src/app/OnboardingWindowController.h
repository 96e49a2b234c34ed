#pragma once

#include "app/SectionWindowController.h"

#include <functional>

class QWidget;

class OnboardingWindowController : public SectionWindowController
{
    Q_OBJECT
public:
    using ViewFactory = std::function<QWidget*(std::function<void()> requestClose)>;
    // The view is given the action that closes the window; without one the window shows only its
    // section bar and heading.
    explicit OnboardingWindowController(const ViewFactory& makeView = {}, QObject* parent = nullptr);

    // Runs every time the window closes.
    void setOnFinish(std::function<void()> onFinish) { m_onFinish = std::move(onFinish); }

private:
    std::function<void()> m_onFinish;
};
