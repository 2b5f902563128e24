#include "window/grid_model.h"

#include <algorithm>

namespace ravelin {

namespace {
const std::string emptyText;
constexpr int defaultColWidthTwips = 960;
} // namespace

GridModel::GridModel(std::string name, int rows, int cols, int fixedCols, std::string toolTip)
    : name_(std::move(name)), toolTip_(std::move(toolTip)), rows_(rows), cols_(cols),
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
    if (changes_.firstRow < 0) {
        changes_.firstRow = changes_.lastRow = row;
        return;
    }
    changes_.firstRow = std::min(changes_.firstRow, row);
    changes_.lastRow = std::max(changes_.lastRow, row);
}

const std::string& GridModel::textAt(int row, int col) const
{
    return contains(row, col) ? texts_[index(row, col)] : emptyText;
}

Colour GridModel::colourAt(int row, int col) const
{
    return contains(row, col) ? colours_[index(row, col)] : colour::standard;
}

void GridModel::setTextAt(int row, int col, std::string_view text)
{
    if (!contains(row, col))
        return;
    std::string& cell = texts_[index(row, col)];
    if (std::string_view(cell) == text) // lengths first: most texts that differ differ in length
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
    if (col < 0 || col >= cols_)
        return;
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, rows_ - 1);
    if (firstRow > lastRow)
        return;
    // Down the column with a stride; only the cells that change mark their row.
    Colour* cell = colours_.data() + index(firstRow, col);
    const int stride = cols_;
    for (int row = firstRow; row <= lastRow; ++row, cell += stride) {
        if (*cell != colour) {
            *cell = colour;
            markRow(row);
        }
    }
}

void GridModel::setTopRow(int row)
{
    row = std::clamp(row, 0, std::max(rows_ - 1, 0));
    if (row == topRow_)
        return;
    topRow_ = row;
    changes_.topRow = true;
}

void GridModel::setSelectionEnd(int row, int col)
{
    selEndRow_ = row;
    selEndCol_ = col;
}

void GridModel::setColWidth(int col, int twips)
{
    if (col < 0 || col >= cols_)
        return;
    widths_[static_cast<std::size_t>(col)] = twips;
    changes_.layout = true;
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
}

GridModel::Changes GridModel::takeChanges()
{
    Changes taken = changes_;
    changes_ = Changes{};
    return taken;
}

} // namespace ravelin
