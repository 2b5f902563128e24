#pragma once

#include "window/grid_model.h"

#include <QAbstractTableModel>
#include <QColor>

namespace ravelin {

// Shows one grid of the core to a QTableView: maps rows, columns and roles,
// nothing more.
class GridTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    GridTableModel(GridModel& grid, QColor fixedColour, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Tells the views about the rows the handlers touched since last time.
    GridModel::Changes publishChanges();

    GridModel& grid() { return grid_; }

private:
    GridModel& grid_;
    QColor fixedColour_;
};

} // namespace ravelin
