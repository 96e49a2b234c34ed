#include "app/LanguageSettingsWindowController.h"

#include "app/SectionWindow.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

LanguageSettingsWindowController::LanguageSettingsWindowController(
    const std::function<QWidget*()>& makeView, QObject* parent)
    : SectionWindowController(AppSection::LanguageSettings, parent)
{
    auto window
        = std::make_unique<SectionWindow>(AppSection::LanguageSettings, [] { return QStringLiteral("Quillmoor"); });
    window->setObjectName(QStringLiteral("languageSettingsWindow"));
    window->setContentView(makeView ? makeView() : nullptr);
    window->resize(360, 420);
    window->setMinimumSize(408, 320);
    // The window only grows vertically.
    window->setMaximumSize(408, QWIDGETSIZE_MAX);
    window->resize(408, initialHeight());
    setWindow(std::move(window));
}

int LanguageSettingsWindowController::initialHeight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 640;
    return std::min(static_cast<int>(0.85 * screen->availableGeometry().height()), 640);
}

void LanguageSettingsWindowController::showWindowUnfocused()
{
    showWindow();
    if (QWidget* focused = window()->focusWidget())
        focused->clearFocus();
    window()->setFocus(Qt::OtherFocusReason);
}
