#pragma once

#include <QString>
#include <QStringList>

// The Debian packages that translate between the study languages offline: FreeDict dictionaries
// and Apertium pairs. Named to the user when a pair has no translation yet.
namespace TranslationPackages {

// The package that would add the pair ("dict-freedict-eng-rus"); empty when Debian has none.
QString packageFor(const QString& source, const QString& target);
// Every package of the list.
QStringList all();

} // namespace TranslationPackages
