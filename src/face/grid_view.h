// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/event_route.h"
#include "face/grid_table_model.h"
#include "face/placement.h"
#include "face/view.h"

#include <QObject>
#include <QTableView>

#include <memory>

class QKeyEvent;

namespace ravelin {

// One grid of the model in a table. The grid that takes clicks takes them
// on release, where a drag ends, and a double-click toggles once; Space,
// Return and Enter act on its current cell. Where the user scrolls it, its
// model knows.
class GridView : public QObject, public ControlView {
public:
    GridView(const GridRow& row, QWidget& parent, const QColor& fixedColour, EventRoute& route);
    ~GridView() override;

    const Control& control() const override { return grid_; }
    QWidget& widget() override { return *view_; }
    QTableView& table() { return *view_; }
    GridTableModel& tableModel() { return *tableModel_; }
    bool copies() const override { return copiedAs_ != nullptr; }
    // The whole grid, as tab-separated lines and as an HTML table.
    void copy() override;
    // Tells the table which rows the handlers touched, and where the grid
    // now starts and how wide its columns are.
    void apply() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The log takes the focus on a written row in view: on the last one
    // when the focus lands there, and wherever its current row has gone
    // out of view. The table alone would go to row 0, far above.
    void currentToEntryInView(Qt::FocusReason reason);
    // Whether the key acted on the current cell.
    bool keyActs(const QKeyEvent& key);
    // Whether the key moved the current row, through the model.
    bool keyMovesRow(const QKeyEvent& key);
    // A reader's action on a cell clicks it, as the mouse does.
    void takeCellActions();
    void runOnCell(CellClick handler, int row, int col);
    // The cell under a release, or the nearest one when the drag left the grid.
    std::pair<int, int> cellNearest(QPoint at) const;

    GridModel& grid_;
    EventRoute& route_;
    const CellClick click_;
    const CellClick keyAction_;
    const RowKeyPress rowKey_;
    CopiedTable (*const copiedAs_)(const GridModel&);
    const bool tellsEntries_;
    std::unique_ptr<QTableView> view_;
    GridTableModel* tableModel_;
    // A menu of its own offers the copy; the right button moves no cell.
    void offerCopy();
    // The release that ends a double-click: its first click has toggled already.
    bool dropNextRelease_ = false;
};

} // namespace ravelin
