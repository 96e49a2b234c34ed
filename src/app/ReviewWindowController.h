#pragma once

#include "app/SectionWindowController.h"

class AchievementChecker;
class InterfaceLanguagePreferences;
class ReviewView;
class VocabCardStore;

class ReviewWindowController : public SectionWindowController
{
    Q_OBJECT
public:
    // Without a store the window has only its section bar and heading.
    ReviewWindowController(VocabCardStore* store, InterfaceLanguagePreferences& language,
        AchievementChecker* achievements, QObject* parent = nullptr);

    static QString title();
    ReviewView* view() const { return m_view; }

private:
    ReviewView* m_view = nullptr;
};
