#include "review/StatsFormat.h"

#include "preferences/InterfaceLanguage.h"

#include <cmath>

QString StatsFormat::languageOf(const QString& code)
{
    return InterfaceLanguages::fromRawValue(code) ? code : QStringLiteral("ru");
}

QLocale StatsFormat::localeOf(const QString& code)
{
    return QLocale(languageOf(code));
}

QString StatsFormat::pluralizedCards(int n, const QString& languageCode)
{
    const QString count = QString::number(n);
    switch (*InterfaceLanguages::fromRawValue(languageOf(languageCode))) {
    case InterfaceLanguage::En:
        return n == 1 ? QStringLiteral("1 card") : count + QStringLiteral(" cards");
    case InterfaceLanguage::Es:
        return n == 1 ? QStringLiteral("1 tarjeta") : count + QStringLiteral(" tarjetas");
    case InterfaceLanguage::Fr:
        return n == 1 ? QStringLiteral("1 carte") : count + QStringLiteral(" cartes");
    case InterfaceLanguage::Zh:
        return count + QStringLiteral(" 张卡片");
    case InterfaceLanguage::Ja:
        return count + QStringLiteral(" 枚のカード");
    case InterfaceLanguage::Ru:
        break;
    }
    const int lastTwo = std::abs(n) % 100;
    const int last = lastTwo % 10;
    if (last == 1 && lastTwo != 11)
        return count + QStringLiteral(" карточка");
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        return count + QStringLiteral(" карточки");
    return count + QStringLiteral(" карточек");
}

QString StatsFormat::todayLine(int count, double minutes, const QString& languageCode)
{
    if (count < 1)
        return tr("Сегодня повторений ещё не было");
    const double secondsPerCard = minutes * 60 / count;
    // QString::number writes in the C locale: "2.50" in every language.
    return tr("Изучено %1 за %2 минут сегодня (%3 с/карточка)")
        .arg(pluralizedCards(count, languageCode), QString::number(minutes, 'f', 2),
            QString::number(secondsPerCard, 'f', 2));
}

QString StatsFormat::dayCaption(const QDate& day, int count, const QString& languageCode)
{
    return localeOf(languageCode).toString(day, QStringLiteral("d MMMM yyyy")) + QStringLiteral(": ")
        + pluralizedCards(count, languageCode);
}

QString StatsFormat::narrowWeekday(const QDate& day, const QString& languageCode)
{
    return localeOf(languageCode).standaloneDayName(day.dayOfWeek(), QLocale::NarrowFormat);
}

QString StatsFormat::successRate(std::optional<double> rate)
{
    if (!rate)
        return QStringLiteral("—");
    return QString::number(std::lround(*rate * 100)) + QLatin1Char('%');
}

QString StatsFormat::averageInterval(std::optional<double> days)
{
    if (!days)
        return QStringLiteral("—");
    return QString::number(std::lround(*days)) + QLatin1Char(' ') + tr("дн.");
}

QString StatsFormat::streak(int days)
{
    return QStringLiteral("%1 🔥").arg(days);
}
