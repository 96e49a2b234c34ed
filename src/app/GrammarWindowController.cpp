#include "app/GrammarWindowController.h"

#include "app/LaunchServices.h"
#include "app/SectionWindow.h"
#include "grammar/GrammarView.h"

GrammarWindowController::GrammarWindowController(
    const GrammarCourseServices* course, AchievementChecker* achievements, QObject* parent)
    : SectionWindowController(AppSection::Grammar, parent)
{
    auto window = std::make_unique<SectionWindow>(AppSection::Grammar, &GrammarWindowController::title);
    window->setObjectName(QStringLiteral("grammarWindow"));
    if (course) {
        GrammarCourseModel::Options options;
        if (achievements)
            options.afterRating = [achievements] { achievements->checkForNewlyUnlocked(); };
        m_view = new GrammarView(*course, std::move(options));
        window->setContentView(m_view);
        // Closing discards the view; work it started (a generation) finishes without it.
        SectionWindow* shown = window.get();
        connect(shown, &SectionWindow::aboutToClose, this, [this, shown] {
            if (m_view)
                shown->setContentView(nullptr);
        });
    } else {
        window->setContentView(nullptr);
    }
    window->resize(480, 610);
    window->setMinimumSize(400, 460);
    setWindow(std::move(window));
}

GrammarView* GrammarWindowController::view() const
{
    return m_view;
}

QString GrammarWindowController::title()
{
    return tr("Грамматика");
}
