#include "app/ReviewWindowController.h"

#include "app/LaunchServices.h"
#include "app/SectionWindow.h"
#include "review/AchievementsView.h"
#include "review/ReviewView.h"

#include <QCoreApplication>

ReviewWindowController::ReviewWindowController(
    VocabCardStore* store, InterfaceLanguagePreferences& language, AchievementChecker* achievements, QObject* parent)
    : SectionWindowController(AppSection::Review, parent)
{
    auto window = std::make_unique<SectionWindow>(AppSection::Review, &ReviewWindowController::title);
    window->setObjectName(QStringLiteral("reviewWindow"));
    if (store) {
        ReviewView::Options options;
        if (achievements)
            options.afterRating = [achievements] { achievements->checkForNewlyUnlocked(); };
        options.achievementsScreen = [store] { return new AchievementsView(*store); };
        m_view = new ReviewView(*store, language, std::move(options));
        window->setContentView(m_view);
    } else {
        window->setContentView(nullptr);
    }
    window->resize(440, 590);
    window->setMinimumSize(380, 460);
    setWindow(std::move(window));
}

QString ReviewWindowController::title()
{
    return tr("Повторение");
}
