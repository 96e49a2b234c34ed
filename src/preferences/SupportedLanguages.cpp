#include "preferences/SupportedLanguages.h"

#include <QHash>

const QList<LanguageOption>& SupportedLanguages::all()
{
    static const QList<LanguageOption> languages {
        { QStringLiteral("en"), QStringLiteral("English") },
        { QStringLiteral("ru"), QStringLiteral("Русский") },
        { QStringLiteral("es"), QStringLiteral("Español") },
        { QStringLiteral("fr"), QStringLiteral("Français") },
        { QStringLiteral("de"), QStringLiteral("Deutsch") },
        { QStringLiteral("it"), QStringLiteral("Italiano") },
        { QStringLiteral("pt"), QStringLiteral("Português") },
        { QStringLiteral("zh"), QStringLiteral("中文") },
        { QStringLiteral("ja"), QStringLiteral("日本語") },
        { QStringLiteral("ko"), QStringLiteral("한국어") },
        { QStringLiteral("tr"), QStringLiteral("Türkçe") },
        { QStringLiteral("ar"), QStringLiteral("العربية") },
    };
    return languages;
}

bool SupportedLanguages::contains(const QString& code)
{
    for (const LanguageOption& option : all()) {
        if (option.id == code)
            return true;
    }
    return false;
}

QString SupportedLanguages::displayName(const QString& code)
{
    for (const LanguageOption& option : all()) {
        if (option.id == code)
            return option.displayName;
    }
    return code;
}

QString SupportedLanguages::englishName(const QString& code)
{
    static const QHash<QString, QString> names {
        { QStringLiteral("en"), QStringLiteral("English") },
        { QStringLiteral("ru"), QStringLiteral("Russian") },
        { QStringLiteral("es"), QStringLiteral("Spanish") },
        { QStringLiteral("fr"), QStringLiteral("French") },
        { QStringLiteral("de"), QStringLiteral("German") },
        { QStringLiteral("it"), QStringLiteral("Italian") },
        { QStringLiteral("pt"), QStringLiteral("Portuguese") },
        { QStringLiteral("zh"), QStringLiteral("Chinese") },
        { QStringLiteral("ja"), QStringLiteral("Japanese") },
        { QStringLiteral("ko"), QStringLiteral("Korean") },
        { QStringLiteral("tr"), QStringLiteral("Turkish") },
        { QStringLiteral("ar"), QStringLiteral("Arabic") },
    };
    return names.value(code, code);
}
