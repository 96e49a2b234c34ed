#pragma once

#include <QIcon>
#include <QString>

// The icons of grammar topics: a course names a symbol ("clock", "person.2", …) and the
// application draws the one it bundles under that name.
class GrammarTopicIcon
{
public:
    // Resource path of the bundled icon for the symbol name; empty when none is bundled.
    static QString resourcePath(const QString& systemImage);
    // The icon, or the generic book icon for a name nothing is bundled for.
    static QIcon icon(const QString& systemImage);
};
