#include "review/AchievementsView.h"

#include "review/AchievementCatalog.h"
#include "review/AchievementTile.h"
#include "store/VocabCardStore.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
constexpr int kColumns = 2;
}

AchievementsView::AchievementsView(VocabCardStore& store, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
{
    setObjectName(QStringLiteral("achievementsView"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("achievementsCaption"));
    m_caption->setTextFormat(Qt::PlainText);
    QFont body = m_caption->font();
    body.setPointSizeF(13);
    m_caption->setFont(body);
    column->addWidget(m_caption);

    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* grid = new QWidget(scroll);
    auto* cells = new QGridLayout(grid);
    cells->setContentsMargins(0, 0, 0, 0);
    cells->setSpacing(10);
    for (int column = 0; column < kColumns; ++column)
        cells->setColumnStretch(column, 1);
    const QList<AchievementDefinition>& catalogue = AchievementCatalog::all();
    for (int i = 0; i < catalogue.size(); ++i) {
        auto* tile = new AchievementTile(catalogue[i], grid);
        cells->addWidget(tile, i / kColumns, i % kColumns);
        m_tiles << tile;
    }
    cells->setRowStretch(int((catalogue.size() + kColumns - 1) / kColumns), 1);
    scroll->setWidget(grid);
    column->addWidget(scroll, 1);
    reload();
}

void AchievementsView::reload()
{
    // Unreadable, nothing shows as earned: the screen never claims what the store cannot confirm.
    const QSet<QString> earned = m_store.unlockedAchievementIDs().value_or(QSet<QString>());
    m_earnedCount = 0;
    for (AchievementTile* tile : m_tiles) {
        const bool isEarned = earned.contains(tile->definition().id);
        tile->setEarned(isEarned);
        m_earnedCount += isEarned ? 1 : 0;
    }
    retranslate();
}

void AchievementsView::retranslate()
{
    m_caption->setText(tr("Открыто %1 из %2").arg(m_earnedCount).arg(m_tiles.size()));
}

void AchievementsView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    reload();
}

void AchievementsView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
