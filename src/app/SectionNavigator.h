#pragma once

#include "app/AppSection.h"
#include "preferences/SharedInstance.h"

// Opens section windows; the application delegate is the one the application installs.
class SectionNavigator : public SharedInstance<SectionNavigator>
{
public:
    virtual ~SectionNavigator() = default;
    virtual void showSection(AppSection section) = 0;
};
