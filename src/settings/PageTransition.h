#pragma once

#include <QPixmap>
#include <QWidget>

class QVariantAnimation;

// Brings a new page in: a picture of it grows from 92 % to its size while it fades in, drawn over
// the page itself, which is already in place underneath (and what clicks and screen readers reach).
class PageTransition : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kDurationMs = 250;
    static constexpr qreal kStartScale = 0.92;

    // Covers `page`, whose parent it becomes a sibling of.
    explicit PageTransition(QWidget* page);

    // Runs from the page as it is now drawn.
    void run();
    bool isRunning() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_page;
    QPixmap m_picture;
    qreal m_progress = 1.0;
    QVariantAnimation* m_animation;
};
