#pragma once

#include <QWidget>

class AchievementTile;
class QLabel;
class VocabCardStore;

// The review window's third screen: how many achievements are earned and a tile for each one of
// the catalogue, in catalogue order, two to a row.
class AchievementsView : public QWidget
{
    Q_OBJECT
public:
    explicit AchievementsView(VocabCardStore& store, QWidget* parent = nullptr);

    // Reads the earned ids again and shows them.
    void reload();
    int earnedCount() const { return m_earnedCount; }
    const QList<AchievementTile*>& tiles() const { return m_tiles; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    VocabCardStore& m_store;
    QLabel* m_caption = nullptr;
    QList<AchievementTile*> m_tiles;
    int m_earnedCount = 0;
};
