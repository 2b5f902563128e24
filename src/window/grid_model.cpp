// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/grid_model.h"

#include <algorithm>
#include <utility>

namespace ravelin {

namespace {
constexpr int defaultColWidthTwips = 960;
} // namespace

GridModel::GridModel(ControlList& window, std::string name, int rows, int cols, int fixedCols,
                     std::string toolTip)
    : Control(window, std::move(name), std::move(toolTip)), rows_(rows), cols_(cols),
      fixedCols_(fixedCols), texts_(static_cast<std::size_t>(rows) * cols),
      colours_(static_cast<std::size_t>(rows) * cols, colour::standard),
      widths_(static_cast<std::size_t>(cols), defaultColWidthTwips),
      alignments_(static_cast<std::size_t>(cols), ColumnAlignment::LeftTop)
{
}

bool GridModel::contains(int row, int col) const
{
    return row >= 0 && row < rows_ && col >= 0 && col < cols_;
}

std::size_t GridModel::index(int row, int col) const
{
    return static_cast<std::size_t>(row) * cols_ + col;
}

void GridModel::markRow(int row)
{
    touch();
    if (changes_.firstRow < 0) {
        changes_.firstRow = changes_.lastRow = row;
        return;
    }
    changes_.firstRow = std::min(changes_.firstRow, row);
    changes_.lastRow = std::max(changes_.lastRow, row);
}

std::string_view GridModel::textAt(int row, int col) const
{
    return contains(row, col) ? std::string_view(texts_[index(row, col)]) : std::string_view();
}

Colour GridModel::colourAt(int row, int col) const
{
    return contains(row, col) ? colours_[index(row, col)] : colour::standard;
}

void GridModel::setTextAt(int row, int col, std::string_view text)
{
    if (!contains(row, col))
        return;
    if (!text.empty())
        noteRowInUse(row);
    std::string& cell = texts_[index(row, col)];
    if (cell == text)
        return;
    cell.assign(text);
    markRow(row);
}

void GridModel::setColourAt(int row, int col, Colour colour)
{
    if (!contains(row, col))
        return;
    Colour& cell = colours_[index(row, col)];
    if (cell == colour)
        return;
    cell = colour;
    markRow(row);
}

void GridModel::fillColour(int col, int firstRow, int lastRow, Colour colour)
{
    for (int row = std::max(firstRow, 0); row <= std::min(lastRow, rows_ - 1); ++row)
        setColourAt(row, col, colour);
}

void GridModel::setTopRow(int row)
{
    row = std::clamp(row, 0, std::max(rows_ - 1, 0));
    if (row == topRow_)
        return;
    topRow_ = row;
    changes_.topRow = true;
    touch();
}

void GridModel::setColWidth(int col, int twips)
{
    if (col < 0 || col >= cols_)
        return;
    widths_[static_cast<std::size_t>(col)] = twips;
    changes_.layout = true;
    touch();
}

int GridModel::colWidth(int col) const
{
    return col >= 0 && col < cols_ ? widths_[static_cast<std::size_t>(col)] : 0;
}

void GridModel::setColAlignment(int col, ColumnAlignment alignment)
{
    if (col < 0 || col >= cols_)
        return;
    alignments_[static_cast<std::size_t>(col)] = alignment;
    changes_.layout = true;
    touch();
}

ColumnAlignment GridModel::colAlignment(int col) const
{
    return col >= 0 && col < cols_ ? alignments_[static_cast<std::size_t>(col)]
                                   : ColumnAlignment::LeftTop;
}

void GridModel::clear()
{
    // Only rows that hold something need touching; a long log is mostly empty.
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < cols_; ++c) {
            const std::size_t i = index(r, c);
            if (!texts_[i].empty() || colours_[i] != colour::standard) {
                texts_[i].clear();
                colours_[i] = colour::standard;
                markRow(r);
            }
        }
    }
    rowsInUse_ = 0;
}

int GridModel::lastRowKeysReach() const
{
    return keysStopAtEntries_ ? std::max(rowsInUse_ - 1, 0) : rows_ - 1;
}

int GridModel::rowAfterKey(int from, RowKey key, int rowsInView) const
{
    const int page = std::max(rowsInView, 1);
    int to = from;
    switch (key) {
    case RowKey::up:
        to = from - 1;
        break;
    case RowKey::down:
        to = from + 1;
        break;
    case RowKey::pageUp:
        to = from - page;
        break;
    case RowKey::pageDown:
        to = from + page;
        break;
    case RowKey::first:
        return 0;
    case RowKey::last:
        return lastRowKeysReach();
    }
    return std::clamp(to, 0, std::max(lastRowKeysReach(), 0));
}

void GridModel::keyPressed(int from, RowKey key, int rowsInView)
{
    currentRow_ = rowAfterKey(from, key, rowsInView);
    // Told even where the row stays: the view's current row may have moved
    // beyond the keys' reach by a click.
    changes_.currentRow = true;
    touch();
}

GridModel::Changes GridModel::takeChanges()
{
    Changes taken = changes_;
    changes_ = Changes{};
    return taken;
}

} // namespace ravelin
