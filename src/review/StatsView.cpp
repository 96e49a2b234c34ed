#include "review/StatsView.h"

#include "review/ForecastView.h"
#include "review/HeatMapView.h"
#include "review/StatsFormat.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QLabel* textLabel(QWidget* parent, const char* objectName, qreal pointSize, QFont::Weight weight = QFont::Normal)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    label->setFont(font);
    return label;
}
} // namespace

StatsView::StatsView(const VocabCardStore& store, const std::optional<QString>& deck,
    std::function<QString()> languageCode, QDate today, QWidget* parent)
    : QWidget(parent)
    , m_stats(ReviewStatistics::load(store, deck))
    , m_languageCode(std::move(languageCode))
    , m_today(today)
{
    setObjectName(QStringLiteral("statsView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    // Today's line with the streak badge at its right.
    auto* topRow = new QHBoxLayout;
    topRow->setSpacing(8);
    m_todayLine = textLabel(this, "todayLine", 13, QFont::Medium);
    topRow->addWidget(m_todayLine, 1);
    m_streak = textLabel(this, "streakBadge", 12, QFont::DemiBold);
    m_streak->setWordWrap(false);
    m_streak->setStyleSheet(
        QStringLiteral("QLabel { background: #ff9500; color: white; border-radius: 11px; padding: 2px 10px; }"));
    m_streak->setText(StatsFormat::streak(m_stats.streak));
    m_streak->setVisible(m_stats.streak > 0);
    topRow->addWidget(m_streak, 0, Qt::AlignTop);
    layout->addLayout(topRow);
    m_caption = textLabel(this, "heatMapCaption", 11, QFont::Medium);
    layout->addWidget(m_caption);
    const auto caption
        = [this](const QDate& day, int count) { return StatsFormat::dayCaption(day, count, m_languageCode()); };
    m_heatMap = new HeatMapView(ReviewHeatMap(m_today, m_stats.counts), caption, this);
    connect(m_heatMap, &HeatMapView::hoveredDayChanged, this, &StatsView::showCaption);
    layout->addWidget(m_heatMap);

    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    layout->addWidget(divider);

    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    const char* chips[] = { "chipSuccess", "chipLearning", "chipMastered", "chipInterval" };
    for (int i = 0; i < 4; ++i)
        grid->addWidget(addChip(chips[i]), 0, i);
    layout->addLayout(grid);

    m_forecastTitle = textLabel(this, "forecastTitle", 11, QFont::Medium);
    layout->addWidget(m_forecastTitle);
    m_forecast = new ForecastView(
        m_today, ReviewStatistics::kForecastDays, m_stats.forecast,
        [this](const QDate& day, int) { return StatsFormat::narrowWeekday(day, m_languageCode()); }, caption, this);
    layout->addWidget(m_forecast);
    layout->addStretch(1);
    retranslate();
}

QWidget* StatsView::addChip(const char* objectName)
{
    auto* chip = new QFrame(this);
    chip->setObjectName(QString::fromLatin1(objectName));
    chip->setStyleSheet(QStringLiteral("QFrame#%1 { background: rgba(127, 127, 127, 30); border-radius: 10px; }")
                            .arg(QString::fromLatin1(objectName)));
    auto* column = new QVBoxLayout(chip);
    column->setContentsMargins(8, 6, 8, 6);
    column->setSpacing(0);
    QLabel* title = textLabel(chip, "chipTitle", 10);
    QLabel* value = textLabel(chip, "chipValue", 15, QFont::DemiBold);
    column->addWidget(title);
    column->addWidget(value);
    m_chips << chip;
    return chip;
}

void StatsView::retranslate()
{
    const QString language = m_languageCode();
    m_todayLine->setText(StatsFormat::todayLine(m_stats.todayCount, m_stats.todayMinutes, language));
    const QString titles[] = { tr("Успешно за 30 дней"), tr("В изучении"), tr("Освоено"), tr("Средний интервал") };
    const QString values[] = { StatsFormat::successRate(m_stats.successRate), QString::number(m_stats.learningCount),
        QString::number(m_stats.masteredCount), StatsFormat::averageInterval(m_stats.averageInterval) };
    for (int i = 0; i < m_chips.size(); ++i) {
        m_chips[i]->findChild<QLabel*>(QStringLiteral("chipTitle"))->setText(titles[i]);
        m_chips[i]->findChild<QLabel*>(QStringLiteral("chipValue"))->setText(values[i]);
        m_chips[i]->setAccessibleName(titles[i] + QStringLiteral(": ") + values[i]);
    }
    m_forecastTitle->setText(tr("Скоро на повторение"));
    m_heatMap->setAccessibleName(tr("Повторения за 16 недель"));
    m_forecast->setAccessibleName(m_forecastTitle->text());
    showCaption();
    m_heatMap->update();
    m_forecast->update();
}

// The hovered day, else the year.
void StatsView::showCaption()
{
    const std::optional<QDate> day = m_heatMap->hoveredDay();
    m_caption->setText(day ? StatsFormat::dayCaption(*day, m_heatMap->map().count(*day), m_languageCode())
                           : QString::number(m_today.year()));
}

void StatsView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
