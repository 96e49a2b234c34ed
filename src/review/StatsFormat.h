#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// The texts of the statistics screen in the interface language. Figures with decimals are written
// with a point ("2.50") whatever the language.
class StatsFormat
{
    Q_DECLARE_TR_FUNCTIONS(StatsFormat)
public:
    // A supported interface language code; anything else counts as Russian.
    static QString languageOf(const QString& code);
    static QLocale localeOf(const QString& code);

    // "21 карточка", "2 cards", "5 张卡片" …
    static QString pluralizedCards(int n, const QString& languageCode);
    // What was done today, or that nothing was.
    static QString todayLine(int count, double minutes, const QString& languageCode);
    // "4 ноября 2018: 1 карточка", the caption of a day of the heat map or the forecast.
    static QString dayCaption(const QDate& day, int count, const QString& languageCode);
    static QString narrowWeekday(const QDate& day, const QString& languageCode);
    static QString successRate(std::optional<double> rate);
    static QString averageInterval(std::optional<double> days);
    static QString streak(int days);
};
