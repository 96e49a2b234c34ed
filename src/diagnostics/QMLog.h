#pragma once

#include <QLoggingCategory>

// The named log channels. Debug output is off unless QT_LOGGING_RULES turns it on, because
// captured words and sentences are logged at debug level and the journal keeps them.
Q_DECLARE_LOGGING_CATEGORY(lcCapture)
Q_DECLARE_LOGGING_CATEGORY(lcTranslation)
Q_DECLARE_LOGGING_CATEGORY(lcMeaning)
Q_DECLARE_LOGGING_CATEGORY(lcGrammar)
Q_DECLARE_LOGGING_CATEGORY(lcEtymology)
Q_DECLARE_LOGGING_CATEGORY(lcPronunciation)
Q_DECLARE_LOGGING_CATEGORY(lcImage)
Q_DECLARE_LOGGING_CATEGORY(lcNotifications)
Q_DECLARE_LOGGING_CATEGORY(lcReview)
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace QMLog {
// Subsystem of every message: the application id.
inline constexpr char kSubsystem[] = "org.quillmoor.Quillmoor";
// The eleven category names, "quillmoor.capture" … "quillmoor.app".
QList<const QLoggingCategory*> categories();
} // namespace QMLog
