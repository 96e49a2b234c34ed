#include "app/InterfaceTranslator.h"

#include "diagnostics/QMLog.h"
#include "preferences/InterfaceLanguagePreferences.h"

#include <QCoreApplication>

InterfaceTranslator::InterfaceTranslator(InterfaceLanguagePreferences& preferences, QObject* parent)
    : QObject(parent)
    , m_preferences(preferences)
{
    connect(&preferences, &InterfaceLanguagePreferences::languageCodeChanged, this, &InterfaceTranslator::apply);
    apply();
}

InterfaceTranslator::~InterfaceTranslator()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}

void InterfaceTranslator::apply()
{
    const QString code = m_preferences.effectiveLanguageCode();
    if (code == m_loaded && (m_translator || code == QLatin1String("ru")))
        return;
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    m_loaded = code;
    if (code != QLatin1String("ru")) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral(":/i18n/quillmoor_") + code)) {
            QCoreApplication::installTranslator(translator.get());
            m_translator = std::move(translator);
        } else {
            // A missing translation shows the Russian texts.
            qCDebug(lcApp) << "No interface translation for" << code;
        }
    }
    Q_EMIT languageChanged();
}
