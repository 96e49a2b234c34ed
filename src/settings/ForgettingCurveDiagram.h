#pragma once

#include <QWidget>

class QLabel;

// Memory over time without repetition (one falling curve) and with it (a saw-tooth whose drops
// shrink after every review), with a two-entry legend.
class ForgettingCurveDiagram : public QWidget
{
    Q_OBJECT
public:
    explicit ForgettingCurveDiagram(QWidget* parent = nullptr);

    // The saw-tooth's corners as fractions of the drawing's width and height (y grows downwards).
    static QList<QPointF> withRepetition();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* m_with = nullptr;
    QLabel* m_without = nullptr;
};
