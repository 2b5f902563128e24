// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/grid_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace ravelin {
namespace {

TEST(GridModelTest, NeverWrittenCellIsEmptyWithStandardColour)
{
    ControlList controls;
    GridModel g(controls, "g", 5, 3, 1);
    g.setRow(4);
    g.setCol(2);
    EXPECT_EQ(g.text(), "");
    EXPECT_EQ(g.cellBackColour(), 0u);
}

TEST(GridModelTest, CurrentCellAddressesReadsAndWritesAndStaysWhereLeft)
{
    ControlList controls;
    GridModel g(controls, "g", 5, 3, 1);
    g.setRow(2);
    g.setCol(1);
    g.setText(" ");
    g.setCellBackColour(0xC0FFC0);
    EXPECT_EQ(g.row(), 2);
    EXPECT_EQ(g.col(), 1);
    EXPECT_EQ(g.textAt(2, 1), " ");
    EXPECT_EQ(g.textAt(1, 2), "");
    EXPECT_EQ(g.colourAt(2, 1), 0xC0FFC0u);
    g.setCol(0);
    EXPECT_EQ(g.text(), "");
    g.setCol(1);
    EXPECT_EQ(g.text(), " ") << "text is stored unchanged, blanks included";
}

TEST(GridModelTest, ColoursReadBackExactly)
{
    ControlList controls;
    GridModel g(controls, "g", 2, 2, 0);
    for (Colour c : {0x80000005u, 0xC00000u, 0x00C000u, 1u, 0xFFFFFFu}) {
        g.setCellBackColour(c);
        EXPECT_EQ(g.cellBackColour(), c);
    }
    g.setCellBackColour(0);
    EXPECT_EQ(g.cellBackColour(), 0u);
}

TEST(GridModelTest, OutsideCellsReadEmptyAndIgnoreWrites)
{
    ControlList controls;
    GridModel g(controls, "g", 3, 2, 0);
    for (auto [r, c] : {std::pair{-1, 0}, std::pair{3, 0}, std::pair{0, 2}, std::pair{0, -1}}) {
        g.setRow(r);
        g.setCol(c);
        g.setText("x");
        g.setCellBackColour(5);
        EXPECT_EQ(g.text(), "");
        EXPECT_EQ(g.cellBackColour(), 0u);
    }
    EXPECT_FALSE(g.changes().any());
}

TEST(GridModelTest, ClearEmptiesCellsButKeepsLayoutAndCurrentCell)
{
    ControlList controls;
    GridModel g(controls, "g", 4, 2, 1);
    g.setColWidth(1, 700);
    g.setColAlignment(1, ColumnAlignment::CentreTop);
    g.setTextAt(3, 1, "12");
    g.setColourAt(0, 0, 0xC0FFC0);
    g.setRow(3);
    g.clear();
    EXPECT_EQ(g.textAt(3, 1), "");
    EXPECT_EQ(g.colourAt(0, 0), 0u);
    EXPECT_EQ(g.rows(), 4);
    EXPECT_EQ(g.cols(), 2);
    EXPECT_EQ(g.colWidth(1), 700);
    EXPECT_EQ(g.colAlignment(1), ColumnAlignment::CentreTop);
    EXPECT_EQ(g.row(), 3);
}

// A log's entries: the rows up to the last one written; colours and
// emptied cells add none, clearing leaves none.
TEST(GridModelTest, RowsInUseReachTheLastRowWrittenUntilCleared)
{
    ControlList controls;
    GridModel g(controls, "g", 10, 4, 1);
    EXPECT_EQ(g.rowsInUse(), 0);
    g.setColourAt(7, 0, 0xC0FFC0);
    g.setTextAt(8, 1, "");
    EXPECT_EQ(g.rowsInUse(), 0);
    g.setTextAt(2, 1, "3/1");
    EXPECT_EQ(g.rowsInUse(), 3);
    g.setTextAt(4, 0, "9");
    EXPECT_EQ(g.rowsInUse(), 5);
    g.setTextAt(1, 2, std::string(40, 'x'));
    g.setTextAt(4, 0, "");
    EXPECT_EQ(g.rowsInUse(), 5);
    g.clear();
    EXPECT_EQ(g.rowsInUse(), 0);
}

TEST(GridModelTest, ChangesCoverExactlyTheTouchedRows)
{
    ControlList controls;
    GridModel g(controls, "g", 5000, 4, 1);
    g.takeChanges();
    g.setTextAt(40, 1, "14/3");
    g.setTextAt(41, 1, "2/1");
    g.setTextAt(41, 1, "2/1"); // no change
    auto changes = g.takeChanges();
    EXPECT_EQ(changes.firstRow, 40);
    EXPECT_EQ(changes.lastRow, 41);
    EXPECT_FALSE(changes.topRow);
    EXPECT_FALSE(g.changes().any());

    g.setTopRow(16);
    g.setTextAt(41, 1, "2/1");
    changes = g.takeChanges();
    EXPECT_TRUE(changes.topRow);
    EXPECT_EQ(changes.firstRow, -1);
    EXPECT_EQ(g.topRow(), 16);
}

TEST(GridModelTest, FillColourPaintsOneColumnAndMarksOnlyChangedRows)
{
    ControlList controls;
    GridModel g(controls, "g", 37, 4, 1);
    g.setColourAt(5, 3, 0x00FF00);
    g.setRow(2);
    g.setCol(1);
    g.takeChanges();

    // Rows beyond either end are clipped; the current cell stays where it was.
    g.fillColour(3, -4, 6, 0x00FF00);
    for (int row = 0; row < 37; ++row) {
        EXPECT_EQ(g.colourAt(row, 3), row <= 6 ? 0x00FF00u : 0u) << row;
        EXPECT_EQ(g.colourAt(row, 2), 0u) << row;
    }
    EXPECT_EQ(g.row(), 2);
    EXPECT_EQ(g.col(), 1);
    auto changes = g.takeChanges();
    EXPECT_EQ(changes.firstRow, 0);
    EXPECT_EQ(changes.lastRow, 6);

    // Already that colour: nothing changes.
    g.fillColour(3, 4, 6, 0x00FF00);
    EXPECT_FALSE(g.takeChanges().any());
    g.fillColour(3, 30, 99, 0x0000FF);
    changes = g.takeChanges();
    EXPECT_EQ(changes.firstRow, 30);
    EXPECT_EQ(changes.lastRow, 36);
    g.fillColour(4, 0, 36, 0x0000FF); // no such column
    g.fillColour(3, 9, 8, 0x0000FF);  // an empty range
    EXPECT_FALSE(g.takeChanges().any());
}

// Painting rows of a column one cell at a time: gaps stay, rows beyond the
// grid are left out, and only rows that changed are marked.
TEST(GridModelTest, PaintingCellsMarksOnlyTheRowsThatChange)
{
    struct Case {
        const char* what;
        std::vector<int> rows;
        int col;
        std::uint64_t blueAfter; // column 2 of a 37-row grid, 1..6 blue before
        int firstRow;            // -1: nothing marked
        int lastRow;
    };
    const Case cases[] = {
        {"gaps stay", {8, 11}, 2, 0x7E | 0b1001'0000'0000, 8, 11},
        {"already blue is not marked",
         {1, 2, 3, 4, 5, 6, 20},
         2,
         0x7E | (std::uint64_t{1} << 20),
         20,
         20},
        {"all blue already", {1, 2, 3, 4, 5, 6}, 2, 0x7E, -1, -1},
        {"already blue at the top end", {0, 1, 2, 3, 4, 5, 6}, 2, 0x7F, 0, 0},
        {"beyond the grid", {-1, 0, 37, 63}, 2, 0x7F, 0, 0},
        {"row 36 is in it", {36}, 2, 0x7E | (std::uint64_t{1} << 36), 36, 36},
        {"no such column", {8, 9}, 4, 0x7E, -1, -1},
        {"other column", {8, 15}, 3, 0x7E, 8, 15},
    };
    for (const Case& c : cases) {
        ControlList controls;
        GridModel g(controls, "g", 37, 4, 1);
        g.fillColour(2, 1, 6, 0x0000FF);
        g.takeChanges();
        for (int row : c.rows)
            g.setColourAt(row, c.col, 0x0000FF);
        for (int row = 0; row < 37; ++row)
            EXPECT_EQ(g.colourAt(row, 2) == 0x0000FFu, (c.blueAfter >> row & 1) != 0)
                << c.what << ", row " << row;
        const auto changes = g.takeChanges();
        EXPECT_EQ(changes.firstRow, c.firstRow) << c.what;
        EXPECT_EQ(changes.lastRow, c.lastRow) << c.what;
    }
}

// Texts of every length, through the current cell and by address, rewritten
// and cleared: never a stale text, and a change only where the text changed.
TEST(GridModelTest, TextsOfAnyLengthReadBackAcrossRewritesAndClear)
{
    const std::string fifteen(15, 'x');
    const std::string sixteen = "Durchlauf: 16 B.";
    const std::string paragraph(300, 'q');
    struct Step {
        const char* what;
        std::string text;
        bool throughCurrentCell = false;
    };
    const Step steps[] = {
        {"short", "2/1"},
        {"long after short", paragraph},
        {"short after long, through the current cell", "7", true},
        {"fifteen characters", fifteen},
        {"shorter over it", "12/3"},
        {"the same through the current cell", "12/3", true},
        {"another through the current cell", "9/1", true},
        {"one past it", sixteen},
        {"empty after long", ""},
        {"long again", sixteen},
        {"same long again", sixteen},
    };
    ControlList controls;
    GridModel g(controls, "g", 3, 2, 1);
    g.setTextAt(0, 0, paragraph); // a neighbour that must stay untouched
    for (const Step& step : steps) {
        g.takeChanges();
        const std::string before(g.textAt(2, 1));
        if (step.throughCurrentCell) {
            g.setRow(2);
            g.setCol(1);
            g.setText(step.text);
        } else {
            g.setTextAt(2, 1, step.text);
        }
        EXPECT_EQ(g.textAt(2, 1), step.text) << step.what;
        EXPECT_EQ(g.textAt(0, 0), paragraph) << step.what;
        EXPECT_EQ(g.takeChanges().any(), before != step.text) << step.what;
    }
    g.clear();
    EXPECT_EQ(g.textAt(2, 1), "");
    EXPECT_EQ(g.textAt(0, 0), "");
    g.setTextAt(0, 0, sixteen);
    EXPECT_EQ(g.textAt(0, 0), sixteen);
}

// Where a key lands: a log's keys stop at its last entry, and before its
// first entry stay on the row that entry will fill; a grid without that
// stop reaches its last row. A page is the rows in view.
TEST(GridModelTest, KeysLandWithinTheRowsTheyReach)
{
    struct Case {
        const char* what;
        bool stopsAtEntries;
        int written; // rows 0..written-1 hold an entry
        int from;
        RowKey key;
        int expected;
    };
    constexpr int rows = 5000;
    constexpr int page = 25;
    const Case cases[] = {
        {"Ctrl+End in the log", true, 40, 3, RowKey::last, 39},
        {"Ctrl+End in a full grid", false, 40, 3, RowKey::last, rows - 1},
        {"Ctrl+Home", true, 40, 30, RowKey::first, 0},
        {"Page Down near the end", true, 40, 30, RowKey::pageDown, 39},
        {"Page Down far from the end", true, 400, 30, RowKey::pageDown, 30 + page},
        {"Page Down beyond the entries without a stop", false, 40, 30, RowKey::pageDown, 55},
        {"Down on the last entry", true, 40, 39, RowKey::down, 39},
        {"Down within the entries", true, 40, 10, RowKey::down, 11},
        {"Up on the first row", true, 40, 0, RowKey::up, 0},
        {"Page Up near the start", true, 40, 10, RowKey::pageUp, 0},
        {"Up from a row clicked below the entries", true, 40, 300, RowKey::up, 39},
        {"Down on the grid's last row", false, 0, rows - 1, RowKey::down, rows - 1},
        {"Ctrl+End before any entry", true, 0, 0, RowKey::last, 0},
        {"Page Down before any entry", true, 0, 0, RowKey::pageDown, 0},
        {"Down from a row left by a cleared log", true, 0, 17, RowKey::down, 0},
    };
    for (const Case& c : cases) {
        ControlList controls;
        GridModel g(controls, "g", rows, 4, 1);
        if (c.stopsAtEntries)
            g.stopKeysAtEntries();
        for (int row = 0; row < c.written; ++row)
            g.setTextAt(row, 1, "14/3");
        g.takeChanges();
        EXPECT_EQ(g.rowAfterKey(c.from, c.key, page), c.expected) << c.what;
        g.keyPressed(c.from, c.key, page);
        EXPECT_EQ(g.currentRow(), c.expected) << c.what;
        EXPECT_TRUE(g.takeChanges().currentRow) << c.what << ": the view is not told";
    }
}

} // namespace
} // namespace ravelin
