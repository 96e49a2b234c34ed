#include "preferences/LanguageCodes.h"

#include <QHash>
#include <QLocale>

QString LanguageCodes::base(const QString& code)
{
    return code.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).trimmed().toLower();
}

QString LanguageCodes::threeLetter(const QString& code)
{
    static const QHash<QString, QString> codes {
        { QStringLiteral("en"), QStringLiteral("eng") },
        { QStringLiteral("ru"), QStringLiteral("rus") },
        { QStringLiteral("es"), QStringLiteral("spa") },
        { QStringLiteral("fr"), QStringLiteral("fra") },
        { QStringLiteral("de"), QStringLiteral("deu") },
        { QStringLiteral("it"), QStringLiteral("ita") },
        { QStringLiteral("pt"), QStringLiteral("por") },
        { QStringLiteral("zh"), QStringLiteral("zho") },
        { QStringLiteral("ja"), QStringLiteral("jpn") },
        { QStringLiteral("ko"), QStringLiteral("kor") },
        { QStringLiteral("tr"), QStringLiteral("tur") },
        { QStringLiteral("ar"), QStringLiteral("ara") },
        { QStringLiteral("ca"), QStringLiteral("cat") },
        { QStringLiteral("gl"), QStringLiteral("glg") },
        { QStringLiteral("eu"), QStringLiteral("eus") },
        { QStringLiteral("eo"), QStringLiteral("epo") },
        { QStringLiteral("ro"), QStringLiteral("ron") },
        { QStringLiteral("nl"), QStringLiteral("nld") },
    };
    return codes.value(base(code));
}

QString LanguageCodes::englishName(const QString& code)
{
    const QString b = base(code);
    if (b.isEmpty())
        return code;
    const QLocale locale(b);
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return code;
    return QLocale::languageToString(locale.language());
}
