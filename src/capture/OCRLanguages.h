#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Which languages the screen is read in: the study language's recognition data, then English,
// among the data the recogniser has installed.
namespace OCRLanguages {

// The recognition data name of a study language ("spa" for "es", "chi_sim" for "zh"); empty for a
// code outside the study languages.
QString dataNameFor(const QString& languageCode);

QStringList forStudy(const std::optional<QString>& studyLanguageCode, const QStringList& installed);

} // namespace OCRLanguages
