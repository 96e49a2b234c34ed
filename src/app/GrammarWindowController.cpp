#include "app/GrammarWindowController.h"

#include "app/SectionWindow.h"

GrammarWindowController::GrammarWindowController(QObject* parent)
    : SectionWindowController(AppSection::Grammar, parent)
{
    auto window = std::make_unique<SectionWindow>(AppSection::Grammar, &GrammarWindowController::title);
    window->setObjectName(QStringLiteral("grammarWindow"));
    window->setContentView(nullptr);
    window->resize(480, 610);
    window->setMinimumSize(400, 460);
    setWindow(std::move(window));
}

QString GrammarWindowController::title()
{
    return tr("Грамматика");
}
