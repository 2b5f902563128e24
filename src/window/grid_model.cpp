// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/grid_model.h"

#include "window/same_text.h"

#include <algorithm>
#include <bit>

namespace ravelin {

namespace {
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

std::string_view GridModel::textAt(int row, int col) const
{
    if (!contains(row, col))
        return {};
    const std::size_t i = index(row, col);
    const CellText& cell = texts_[i];
    if (cell.size == CellText::keptAside)
        return longTexts_.at(i);
    return {cell.chars.data(), cell.size};
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
    const std::size_t i = index(row, col);
    CellText& cell = texts_[i];
    // Short over short is what a run writes: kept apart from the rest, so
    // that it stays a few instructions.
    if (cell.size == CellText::keptAside || text.size() > CellText::inlineSize) {
        setLongTextAt(i, row, text);
        return;
    }
    if (sameText({cell.chars.data(), cell.size}, text))
        return;
    // A few bytes: copied in place rather than through a library call.
    cell.chars = {};
    for (std::size_t k = 0; k < text.size(); ++k)
        cell.chars[k] = text[k];
    cell.size = static_cast<std::uint8_t>(text.size());
    markRow(row);
}

void GridModel::setShortText(const CellText& text)
{
    if (!contains(row_, col_))
        return;
    if (text.size != 0)
        noteRowInUse(row_);
    const std::size_t i = index(row_, col_);
    CellText& cell = texts_[i];
    if (cell.size == CellText::keptAside) {
        setLongTextAt(i, row_, {text.chars.data(), text.size});
        return;
    }
    if (cell.sameAs(text))
        return;
    cell = text;
    markRow(row_);
}

void GridModel::setLongTextAt(std::size_t i, int row, std::string_view text)
{
    CellText& cell = texts_[i];
    if (cell.size == CellText::keptAside) {
        if (sameText(longTexts_.at(i), text))
            return;
        longTexts_.erase(i);
    } else if (sameText({cell.chars.data(), cell.size}, text)) {
        return;
    }
    if (text.size() <= CellText::inlineSize) {
        cell.chars = {};
        for (std::size_t k = 0; k < text.size(); ++k)
            cell.chars[k] = text[k];
        cell.size = static_cast<std::uint8_t>(text.size());
    } else {
        longTexts_.insert_or_assign(i, std::string(text));
        cell.chars = {};
        cell.size = CellText::keptAside;
    }
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
    // Down the column with a stride. Most cells have the colour already: find
    // the first and the last that differ, then paint between them. The change
    // range comes out as row-by-row marking would make it.
    const std::ptrdiff_t stride = cols_;
    Colour* const top = colours_.data() + index(firstRow, col);
    const auto at = [&](int row) { return top + (row - firstRow) * stride; };
    int first = firstRow;
    while (first <= lastRow && *at(first) == colour)
        ++first;
    if (first > lastRow)
        return;
    int last = lastRow;
    while (*at(last) == colour)
        --last;
    for (int row = first; row <= last; ++row)
        *at(row) = colour;
    markRow(first);
    markRow(last);
}

void GridModel::fillColourRows(int col, std::uint64_t rowMask, Colour colour)
{
    if (col < 0 || col >= cols_)
        return;
    if (rows_ < 64)
        rowMask &= (std::uint64_t{1} << std::max(rows_, 0)) - 1;
    Colour* const column = colours_.data() + col;
    const std::ptrdiff_t stride = cols_;
    const auto cell = [&](int row) -> Colour& { return column[row * stride]; };
    // Only the lowest and the highest row that change are marked, so those
    // two are found first; between them every row of the mask is written,
    // whether it had the colour or not, without a test per row.
    while (rowMask != 0 && cell(std::countr_zero(rowMask)) == colour)
        rowMask &= rowMask - 1;
    if (rowMask == 0)
        return;
    const int first = std::countr_zero(rowMask);
    int last = 63 - std::countl_zero(rowMask);
    while (cell(last) == colour) {
        rowMask &= ~(std::uint64_t{1} << last);
        last = 63 - std::countl_zero(rowMask);
    }
    for (; rowMask != 0; rowMask &= rowMask - 1)
        cell(std::countr_zero(rowMask)) = colour;
    markRow(first);
    markRow(last);
}

void GridModel::setTopRow(int row)
{
    row = std::clamp(row, 0, std::max(rows_ - 1, 0));
    if (row == topRow_)
        return;
    topRow_ = row;
    changes_.topRow = true;
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
            if (texts_[i].size != 0 || colours_[i] != colour::standard) {
                texts_[i] = {};
                colours_[i] = colour::standard;
                markRow(r);
            }
        }
    }
    longTexts_.clear();
    rowsInUse_ = 0;
}

GridModel::Changes GridModel::takeChanges()
{
    Changes taken = changes_;
    changes_ = Changes{};
    return taken;
}

} // namespace ravelin
