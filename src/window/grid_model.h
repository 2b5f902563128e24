// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/colour.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ravelin {

enum class ColumnAlignment { LeftTop, CentreTop };

// A grid addressed through its current cell: handlers set the current row
// and column, then read or write that cell's text or background colour.
// Cells outside the grid read as empty and ignore writes.
class GridModel {
public:
    // A cell's text: up to 15 bytes in the cell itself, which is all a count,
    // a spin position or a log entry takes; a longer one is kept aside. The
    // bytes past the text are zero, so that two texts are the same exactly
    // when their sixteen bytes are.
    struct CellText {
        static constexpr std::size_t inlineSize = 15;
        static constexpr std::uint8_t keptAside = 0xFF;
        std::array<char, inlineSize> chars{};
        std::uint8_t size = 0;

        bool sameAs(const CellText& other) const
        {
            std::array<std::uint64_t, 2> a;
            std::array<std::uint64_t, 2> b;
            std::memcpy(a.data(), this, sizeof a);
            std::memcpy(b.data(), &other, sizeof b);
            return ((a[0] ^ b[0]) | (a[1] ^ b[1])) == 0;
        }
    };
    static_assert(sizeof(CellText) == 16);

    GridModel(std::string name, int rows, int cols, int fixedCols, std::string toolTip = {});

    const std::string& name() const { return name_; }
    const std::string& toolTip() const { return toolTip_; }
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    int fixedCols() const { return fixedCols_; }

    void setRow(int row) { row_ = row; }
    void setCol(int col) { col_ = col; }
    int row() const { return row_; }
    int col() const { return col_; }

    std::string_view text() const { return textAt(row_, col_); }
    void setText(std::string_view text) { setTextAt(row_, col_, text); }
    // The same for a short text made up in place, its bytes past size zero:
    // compared and stored whole, with no step that depends on its length.
    void setShortText(const CellText& text);
    Colour cellBackColour() const { return colourAt(row_, col_); }
    void setCellBackColour(Colour colour) { setColourAt(row_, col_, colour); }

    // Direct addressing, for the view and for tests; moves no current cell.
    std::string_view textAt(int row, int col) const;
    Colour colourAt(int row, int col) const;
    void setTextAt(int row, int col, std::string_view text);
    void setColourAt(int row, int col, Colour colour);
    // One background colour for the cells of a column from firstRow to
    // lastRow, as setColourAt row by row would give it; the current cell stays.
    void fillColour(int col, int firstRow, int lastRow, Colour colour);
    // The same for the cells of a column whose rows are set in rowMask
    // (rows 0 to 63; any beyond the grid are left out).
    void fillColourRows(int col, std::uint64_t rowMask, Colour colour);

    void setTopRow(int row);
    int topRow() const { return topRow_; }
    // The row the user scrolled to top: known from now on, nothing to show.
    void scrolledTo(int row) { topRow_ = std::clamp(row, 0, std::max(rows_ - 1, 0)); }

    // The row the user's last click or drag ended on.
    void setSelectionEndRow(int row) { selEndRow_ = row; }
    int selectionEndRow() const { return selEndRow_; }

    void setColWidth(int col, int twips);
    int colWidth(int col) const;
    void setColAlignment(int col, ColumnAlignment alignment);
    ColumnAlignment colAlignment(int col) const;

    // Every cell loses its text and colour; layout stays.
    void clear();
    // The rows up to the last one given a text since the grid was last
    // cleared: the entries of a log that is written row by row.
    int rowsInUse() const { return rowsInUse_; }

    // What changed since the view last looked, so that a refresh touches
    // only those rows. takeChanges() hands it over and starts afresh.
    struct Changes {
        int firstRow = -1; // -1: no cell changed
        int lastRow = -1;
        bool topRow = false;
        bool layout = false;
        bool any() const { return firstRow >= 0 || topRow || layout; }
    };
    const Changes& changes() const { return changes_; }
    Changes takeChanges();

private:
    bool contains(int row, int col) const;
    void setLongTextAt(std::size_t i, int row, std::string_view text);
    std::size_t index(int row, int col) const;
    void markRow(int row);
    void noteRowInUse(int row) { rowsInUse_ = std::max(rowsInUse_, row + 1); }

    std::string name_;
    std::string toolTip_;
    int rows_;
    int cols_;
    int fixedCols_;
    int row_ = 0;
    int col_ = 0;
    int topRow_ = 0;
    int selEndRow_ = 0;
    int rowsInUse_ = 0;
    std::vector<CellText> texts_;
    std::unordered_map<std::size_t, std::string> longTexts_;
    std::vector<Colour> colours_;
    std::vector<int> widths_;
    std::vector<ColumnAlignment> alignments_;
    Changes changes_;
};

} // namespace ravelin
