#include "app/ReviewWindowController.h"

#include "app/SectionWindow.h"

#include <QCoreApplication>

ReviewWindowController::ReviewWindowController(QObject* parent)
    : SectionWindowController(AppSection::Review, parent)
{
    auto window = std::make_unique<SectionWindow>(AppSection::Review, &ReviewWindowController::title);
    window->setObjectName(QStringLiteral("reviewWindow"));
    window->setContentView(nullptr);
    window->resize(440, 590);
    window->setMinimumSize(380, 460);
    setWindow(std::move(window));
}

QString ReviewWindowController::title()
{
    return tr("Повторение");
}
