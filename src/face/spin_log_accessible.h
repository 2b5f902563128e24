// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/column_control_accessible.h"

#include <QAccessibleTableInterface>

class QTableView;

namespace ravelin {

class GridModel;

// The spin log as a reader finds it: only its written rows. The rows that
// stand ready below them hold nothing to read, and thousands of empty
// cells would keep a reader's review of the window busy for long.
class SpinLogAccessible : public ColumnControlAccessible, public QAccessibleTableInterface {
public:
    SpinLogAccessible(QAccessibleInterface& own, const QTableView& log);

    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return table().caption(); }
    QAccessibleInterface* summary() const override { return table().summary(); }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return table().selectedCellCount(); }
    QList<QAccessibleInterface*> selectedCells() const override { return table().selectedCells(); }
    QString columnDescription(int column) const override
    {
        return table().columnDescription(column);
    }
    QString rowDescription(int row) const override { return table().rowDescription(row); }
    int selectedColumnCount() const override { return table().selectedColumnCount(); }
    int selectedRowCount() const override { return table().selectedRowCount(); }
    int columnCount() const override { return table().columnCount(); }
    int rowCount() const override;
    QList<int> selectedColumns() const override { return table().selectedColumns(); }
    QList<int> selectedRows() const override { return table().selectedRows(); }
    bool isColumnSelected(int column) const override { return table().isColumnSelected(column); }
    bool isRowSelected(int row) const override { return table().isRowSelected(row); }
    bool selectRow(int row) override { return table().selectRow(row); }
    bool selectColumn(int column) override { return table().selectColumn(column); }
    bool unselectRow(int row) override { return table().unselectRow(row); }
    bool unselectColumn(int column) override { return table().unselectColumn(column); }
    void modelChange(QAccessibleTableModelChangeEvent* event) override
    {
        table().modelChange(event);
    }

private:
    QAccessibleTableInterface& table() const { return *own().tableInterface(); }
    // Whether a child of Qt's interface stands in a written row, or is a header.
    bool written(const QAccessibleInterface* child) const;
    // The log's own grid, which the table shows.
    const GridModel& grid() const;

    const QTableView& log_;
};

} // namespace ravelin
