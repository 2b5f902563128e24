#include "window/grid_table_model.h"

#include "window/qt_colour.h"

#include <QBrush>

namespace ravelin {

GridTableModel::GridTableModel(GridModel& grid, QColor fixedColour, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), fixedColour_(fixedColour)
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
    case Qt::TextAlignmentRole:
        return grid_.colAlignment(col) == ColumnAlignment::CentreTop
                   ? QVariant(Qt::AlignHCenter | Qt::AlignTop)
                   : QVariant(Qt::AlignLeft | Qt::AlignTop);
    default:
        return {};
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
