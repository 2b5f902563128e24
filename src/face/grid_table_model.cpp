// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/grid_table_model.h"

#include "face/qt_colour.h"

#include <QBrush>

#include <utility>

namespace ravelin {

GridTableModel::GridTableModel(GridModel& grid, QColor fixedColour, Reading reading,
                               QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), fixedColour_(fixedColour), reading_(reading)
{
}

int GridTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.rows();
}

int GridTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.cols();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole: {
        const std::string_view text = grid_.textAt(row, col);
        if (text.empty())
            return {};
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    case Qt::BackgroundRole: {
        const Colour c = grid_.colourAt(row, col);
        if (hasOwnColour(c))
            return QBrush(toQColor(c));
        if (col < grid_.fixedCols())
            return QBrush(fixedColour_);
        return {};
    }
    case Qt::ForegroundRole: {
        // Counts stay readable on the dark blue of the candidate cells.
        const Colour c = grid_.colourAt(row, col);
        if (hasOwnColour(c) && toQColor(c).lightness() < 100)
            return QBrush(Qt::white);
        return {};
    }
    case Qt::AccessibleTextRole: {
        // Asked for first by a reader, who falls back to the shown text.
        if (reading_.reads) {
            const std::string read = reading_.reads(grid_, row, col);
            return read.empty()
                       ? QVariant()
                       : QString::fromUtf8(read.data(), static_cast<qsizetype>(read.size()));
        }
        if (!reading_.says)
            return {};
        const std::string state = reading_.says(grid_, row, col);
        if (state.empty())
            return {};
        const QString said = QString::fromUtf8(state.data(), static_cast<qsizetype>(state.size()));
        const QString shown = data(index, Qt::DisplayRole).toString();
        return shown.isEmpty() ? said : shown + QStringLiteral(", ") + said;
    }
    case Qt::TextAlignmentRole:
        return grid_.colAlignment(col) == ColumnAlignment::CentreTop
                   ? QVariant(Qt::AlignHCenter | Qt::AlignTop)
                   : QVariant(Qt::AlignLeft | Qt::AlignTop);
    default:
        return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // A reader asks for the spoken text first and falls back to the shown one.
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        if (orientation == Qt::Horizontal && section >= 0 && section < columnNames_.size())
            return columnNames_.at(section);
        if (orientation == Qt::Vertical && rowsFromZero_ && section >= 0 && section < grid_.rows())
            return QString::number(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void GridTableModel::setHeaderNames(QStringList columns, bool rowsFromZero)
{
    columnNames_ = std::move(columns);
    emit headerDataChanged(Qt::Horizontal, 0, grid_.cols() - 1);
    if (rowsFromZero != rowsFromZero_) {
        rowsFromZero_ = rowsFromZero;
        emit headerDataChanged(Qt::Vertical, 0, grid_.rows() - 1);
    }
}

GridModel::Changes GridTableModel::publishChanges()
{
    const GridModel::Changes changes = grid_.takeChanges();
    if (changes.firstRow >= 0)
        emit dataChanged(index(changes.firstRow, 0), index(changes.lastRow, grid_.cols() - 1));
    return changes;
}

} // namespace ravelin
