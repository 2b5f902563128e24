// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/cell_action_selection.h"

#include <utility>

namespace ravelin {

CellActionSelection::CellActionSelection(QAbstractItemModel* model,
                                         std::function<void(int row, int col)> click,
                                         QObject* parent)
    : QItemSelectionModel(model, parent), click_(std::move(click))
{
}

void CellActionSelection::select(const QModelIndex& index,
                                 QItemSelectionModel::SelectionFlags command)
{
    if (command == QItemSelectionModel::Select && index.isValid())
        click_(index.row(), index.column());
}

// The cells show their own colours; a selection would show nothing.
void CellActionSelection::select(const QItemSelection& /*selection*/,
                                 QItemSelectionModel::SelectionFlags /*command*/)
{
}

} // namespace ravelin
