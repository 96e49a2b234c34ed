#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The Debian packages that translate between the study languages offline: FreeDict dictionaries
// and Apertium pairs. Named to the user when a pair has no translation yet.
namespace TranslationPackages {

// The package that would add the pair ("dict-freedict-eng-rus"); empty when Debian has none.
QString packageFor(const QString& source, const QString& target);
// Every package that serves the pair: its dictionary and its Apertium pair.
QStringList packagesFor(const QString& source, const QString& target);
// What the lookups between the study and the target language use, both ways, and the screen
// recognition data of the study language; every study language's pairs with the target when no
// study language is chosen yet.
QStringList forLanguages(const std::optional<QString>& study, const QString& target);
// Every package of the list.
QStringList all();

} // namespace TranslationPackages
