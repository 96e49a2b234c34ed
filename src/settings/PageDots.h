#pragma once

#include <QWidget>

class QAbstractButton;

// One dot per page, 6 points apart; the current one larger and in the accent colour. A click on a
// dot asks for its page.
class PageDots : public QWidget
{
    Q_OBJECT
public:
    explicit PageDots(int count, QWidget* parent = nullptr);

    int current() const { return m_current; }
    void setCurrent(int index);
    QAbstractButton* dot(int index) const { return m_dots.value(index); }

Q_SIGNALS:
    void pageRequested(int index);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QList<QAbstractButton*> m_dots;
    int m_current = 0;
};
