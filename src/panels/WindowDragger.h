#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Lets a frameless panel be moved by dragging it with the left button anywhere on its surface.
// A child of the window it moves.
class WindowDragger : public QObject
{
    Q_OBJECT
public:
    explicit WindowDragger(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    QPoint m_offset;
    bool m_dragging = false;
};
