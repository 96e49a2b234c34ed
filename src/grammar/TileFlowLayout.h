#pragma once

#include <QLayout>
#include <QList>

// Lays its items out left to right and starts a new line where the next one would not fit, with the
// same spacing between items and between lines.
class TileFlowLayout : public QLayout
{
public:
    explicit TileFlowLayout(QWidget* parent = nullptr, int spacing = 8);
    ~TileFlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem* itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return arrange(QRect(0, 0, width, 0), false); }
    QSize minimumSize() const override;
    QSize sizeHint() const override { return minimumSize(); }
    void setGeometry(const QRect& rect) override;

private:
    // The height the items take in `rect`; places them when `place` is set.
    int arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> m_items;
    int m_gap;
};
