// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/grid_model.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>

#include <string>

namespace ravelin {

// Shows one grid of the core to a QTableView: maps rows, columns and roles,
// nothing more.
class GridTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // What a reader hears of a cell where its text alone does not say it:
    // says, where given, puts the cell's state in words after its text (the
    // colours show it on screen); reads, where given, is all a reader hears.
    using CellWords = std::string (*)(const GridModel&, int row, int col);
    struct Reading {
        CellWords says = nullptr;
        CellWords reads = nullptr;
    };
    GridTableModel(GridModel& grid, QColor fixedColour, Reading reading, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // What a screen reader calls the columns, and whether it calls the rows by
    // their number from 0 rather than from 1. The headers stay hidden on screen.
    void setHeaderNames(QStringList columns, bool rowsFromZero);

    // Tells the views about the rows the handlers touched since last time.
    GridModel::Changes publishChanges();

    GridModel& grid() { return grid_; }
    const GridModel& grid() const { return grid_; }

private:
    GridModel& grid_;
    QColor fixedColour_;
    Reading reading_;
    QStringList columnNames_;
    bool rowsFromZero_ = false;
};

} // namespace ravelin
