// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/tally_table_model.h"

#include "face/view_support.h"
#include "tally/tally_text.h"

namespace ravelin {

TallyTableModel::TallyTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TallyTableModel::showRows(std::vector<TallyRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int TallyTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TallyTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(tallyHeadings.size());
}

QVariant TallyTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const auto column = static_cast<std::size_t>(index.column());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return fromModel(tallyCell(rows_[static_cast<std::size_t>(index.row())], column));
    if (role == Qt::TextAlignmentRole && holdsCounts(column))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TallyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= static_cast<int>(tallyHeadings.size()))
        return {};
    return QString::fromUtf8(tallyHeadings[static_cast<std::size_t>(section)]);
}

} // namespace ravelin
