// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/colour.h"
#include "window/controls.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

enum class ColumnAlignment { LeftTop, CentreTop };

// The keys that move the user's current row in a grid: one row, one page,
// or to the first or last row that the keys reach (Ctrl+Home, Ctrl+End).
enum class RowKey { up, down, pageUp, pageDown, first, last };

// A grid addressed through its current cell: handlers set the current row
// and column, then read or write that cell's text or background colour.
// Cells outside the grid read as empty and ignore writes. A grid is a
// control of its window like any other: any change of it marks it changed.
class GridModel : public Control {
public:
    GridModel(ControlList& window, std::string name, int rows, int cols, int fixedCols,
              std::string toolTip = {});

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    int fixedCols() const { return fixedCols_; }

    void setRow(int row) { row_ = row; }
    void setCol(int col) { col_ = col; }
    int row() const { return row_; }
    int col() const { return col_; }

    std::string_view text() const { return textAt(row_, col_); }
    void setText(std::string_view text) { setTextAt(row_, col_, text); }
    Colour cellBackColour() const { return colourAt(row_, col_); }
    void setCellBackColour(Colour colour) { setColourAt(row_, col_, colour); }

    // Direct addressing, for the view and for tests; moves no current cell.
    std::string_view textAt(int row, int col) const;
    Colour colourAt(int row, int col) const;
    void setTextAt(int row, int col, std::string_view text);
    void setColourAt(int row, int col, Colour colour);
    // One background colour for the cells of a column from firstRow to
    // lastRow, row by row; the current cell stays.
    void fillColour(int col, int firstRow, int lastRow, Colour colour);

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

    // A log's keys stop at its last entry, and before its first entry at
    // the row that entry will fill; other grids' keys reach every row.
    void stopKeysAtEntries() { keysStopAtEntries_ = true; }
    bool keysStopAtEntries() const { return keysStopAtEntries_; }
    int lastRowKeysReach() const;
    // Where a key moves the current row from the row `from`, a page being
    // rowsInView rows.
    int rowAfterKey(int from, RowKey key, int rowsInView) const;
    // The user pressed a key on the current row `from`: the current row
    // moves where the key lands, and the view follows.
    void keyPressed(int from, RowKey key, int rowsInView);
    int currentRow() const { return currentRow_; }

    // What changed since the view last looked, so that a refresh touches
    // only those rows. takeChanges() hands it over and starts afresh.
    struct Changes {
        int firstRow = -1; // -1: no cell changed
        int lastRow = -1;
        bool topRow = false;
        bool layout = false;
        bool currentRow = false;
        bool any() const { return firstRow >= 0 || topRow || layout || currentRow; }
    };
    const Changes& changes() const { return changes_; }
    Changes takeChanges();

private:
    bool contains(int row, int col) const;
    std::size_t index(int row, int col) const;
    void markRow(int row);
    void noteRowInUse(int row) { rowsInUse_ = std::max(rowsInUse_, row + 1); }

    int rows_;
    int cols_;
    int fixedCols_;
    int row_ = 0;
    int col_ = 0;
    int topRow_ = 0;
    int selEndRow_ = 0;
    int rowsInUse_ = 0;
    int currentRow_ = 0;
    bool keysStopAtEntries_ = false;
    std::vector<std::string> texts_;
    std::vector<Colour> colours_;
    std::vector<int> widths_;
    std::vector<ColumnAlignment> alignments_;
    Changes changes_;
};

} // namespace ravelin
