#pragma once

#include "app/SectionWindowController.h"

#include <QPointer>

class AchievementChecker;
class GrammarView;
struct GrammarCourseServices;

class GrammarWindowController : public SectionWindowController
{
    Q_OBJECT
public:
    // Without the course services the window has only its section bar and heading.
    explicit GrammarWindowController(const GrammarCourseServices* course = nullptr,
        AchievementChecker* achievements = nullptr, QObject* parent = nullptr);

    static QString title();
    // Null once the window was closed: closing discards the view.
    GrammarView* view() const;

private:
    QPointer<GrammarView> m_view;
};
