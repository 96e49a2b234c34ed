#include "diagnostics/QMLog.h"

Q_LOGGING_CATEGORY(lcCapture, "quillmoor.capture", QtInfoMsg)
Q_LOGGING_CATEGORY(lcTranslation, "quillmoor.translation", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMeaning, "quillmoor.meaning", QtInfoMsg)
Q_LOGGING_CATEGORY(lcGrammar, "quillmoor.grammar", QtInfoMsg)
Q_LOGGING_CATEGORY(lcEtymology, "quillmoor.etymology", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPronunciation, "quillmoor.pronunciation", QtInfoMsg)
Q_LOGGING_CATEGORY(lcImage, "quillmoor.image", QtInfoMsg)
Q_LOGGING_CATEGORY(lcNotifications, "quillmoor.notifications", QtInfoMsg)
Q_LOGGING_CATEGORY(lcReview, "quillmoor.review", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSettings, "quillmoor.settings", QtInfoMsg)
Q_LOGGING_CATEGORY(lcApp, "quillmoor.app", QtInfoMsg)

QList<const QLoggingCategory*> QMLog::categories()
{
    return { &lcCapture(), &lcTranslation(), &lcMeaning(), &lcGrammar(), &lcEtymology(), &lcPronunciation(), &lcImage(),
        &lcNotifications(), &lcReview(), &lcSettings(), &lcApp() };
}
