#include "review/PaintedCells.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

namespace {

class PaintedCellAccessible : public QAccessibleInterface
{
public:
    PaintedCellAccessible(PaintedCells* owner, int index)
        : m_owner(owner)
        , m_index(index)
    {
    }

    int index() const { return m_index; }
    bool isValid() const override { return m_owner && m_index < m_owner->cellCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_owner ? m_owner->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_owner.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_owner->cellText(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect cell = m_owner->cellRect(m_index);
        return QRect(m_owner->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !m_owner || !m_owner->isVisible();
        return state;
    }

private:
    QPointer<PaintedCells> m_owner;
    int m_index;
};

class PaintedCellsAccessible : public QAccessibleWidget
{
public:
    explicit PaintedCellsAccessible(PaintedCells* widget)
        : QAccessibleWidget(widget, QAccessible::List)
    {
    }
    ~PaintedCellsAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_children))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return cells()->cellCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        // Created once per cell and kept, as the accessibility cache expects.
        while (m_children.size() <= index)
            m_children
                << QAccessible::registerAccessibleInterface(new PaintedCellAccessible(cells(), int(m_children.size())));
        return QAccessible::accessibleInterface(m_children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* cell = dynamic_cast<const PaintedCellAccessible*>(child);
        return cell ? cell->index() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const int index = cells()->cellAt(cells()->mapFromGlobal(QPoint(x, y)));
        return index < 0 ? nullptr : child(index);
    }

private:
    PaintedCells* cells() const { return static_cast<PaintedCells*>(widget()); }

    mutable QList<QAccessible::Id> m_children;
};

QAccessibleInterface* paintedCellsFactory(const QString&, QObject* object)
{
    if (auto* cells = qobject_cast<PaintedCells*>(object))
        return new PaintedCellsAccessible(cells);
    return nullptr;
}

} // namespace

PaintedCells::PaintedCells(QWidget* parent)
    : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(paintedCellsFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

int PaintedCells::cellAt(const QPoint& point) const
{
    for (int i = 0; i < cellCount(); ++i) {
        if (cellRect(i).contains(point))
            return i;
    }
    return -1;
}
