#pragma once

#include "review/AchievementDefinition.h"

#include <QFrame>

class QGraphicsOpacityEffect;
class QLabel;

// One achievement of the catalogue: its symbol, title and subtitle; in colour once earned, grey
// and faded before.
class AchievementTile : public QFrame
{
    Q_OBJECT
public:
    static constexpr double kLockedOpacity = 0.45;

    explicit AchievementTile(AchievementDefinition definition, QWidget* parent = nullptr);

    const AchievementDefinition& definition() const { return m_definition; }
    bool isEarned() const { return m_earned; }
    void setEarned(bool earned);
    double opacity() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void paintSymbol();

    AchievementDefinition m_definition;
    bool m_earned = false;
    QLabel* m_symbol = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_subtitle = nullptr;
    QGraphicsOpacityEffect* m_fade = nullptr;
};
