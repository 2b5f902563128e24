// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QItemSelectionModel>

#include <functional>

namespace ravelin {

// The selection of a grid whose cells take clicks: nothing is ever
// selected, and a screen reader's action on a cell clicks it. Qt serves a
// cell's one action, "Toggle", by selecting that cell alone, and that is
// the one request made for a single cell with nothing but Select; the
// mouse and the keys ask with other flags, or for a range.
class CellActionSelection : public QItemSelectionModel {
public:
    CellActionSelection(QAbstractItemModel* model, std::function<void(int row, int col)> click,
                        QObject* parent);

    void select(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override;
    void select(const QItemSelection& selection,
                QItemSelectionModel::SelectionFlags command) override;

private:
    std::function<void(int row, int col)> click_;
};

} // namespace ravelin
