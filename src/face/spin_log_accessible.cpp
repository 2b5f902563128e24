// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/spin_log_accessible.h"

#include "face/grid_table_model.h"

#include <QTableView>

#include <algorithm>

namespace ravelin {

SpinLogAccessible::SpinLogAccessible(QAccessibleInterface& own, const QTableView& log)
    : ColumnControlAccessible(own), log_(log)
{
}

void* SpinLogAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return ColumnControlAccessible::interface_cast(type);
}

const GridModel& SpinLogAccessible::grid() const
{
    return static_cast<const GridTableModel&>(*log_.model()).grid();
}

int SpinLogAccessible::rowCount() const { return std::min(grid().rowsInUse(), table().rowCount()); }

// Qt's children of a table go row by row, the row of column headers first,
// each row led by its row header.
int SpinLogAccessible::childCount() const
{
    const int headedRows = table().rowCount() + 1;
    const int perRow = own().childCount() / std::max(headedRows, 1);
    return (rowCount() + 1) * perRow;
}

QAccessibleInterface* SpinLogAccessible::child(int index) const
{
    return index >= 0 && index < childCount() ? own().child(index) : nullptr;
}

bool SpinLogAccessible::written(const QAccessibleInterface* child) const
{
    return child && own().indexOfChild(child) < childCount();
}

QAccessibleInterface* SpinLogAccessible::childAt(int x, int y) const
{
    QAccessibleInterface* at = own().childAt(x, y);
    return written(at) ? at : nullptr;
}

QAccessibleInterface* SpinLogAccessible::focusChild() const
{
    QAccessibleInterface* focused = own().focusChild();
    return written(focused) ? focused : nullptr;
}

// Before the first entry the keys still reach the first row, which that
// entry will fill: its cells are there to ask for, and the column headers
// with them, though no row is written yet.
QAccessibleInterface* SpinLogAccessible::cellAt(int row, int column) const
{
    return row >= 0 && row <= grid().lastRowKeysReach() ? table().cellAt(row, column) : nullptr;
}

} // namespace ravelin
