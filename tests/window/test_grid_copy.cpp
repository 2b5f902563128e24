// SPDX-License-Identifier: GPL-3.0-or-later
// Each grid as it is copied, after a short run with a marked number and a
// triple still open.

#include "support/scripted_platform.h"
#include "window/grid_copy.h"

#include <gtest/gtest.h>

#include <string>

namespace ravelin {
namespace {

using testing::TestWindow;

struct CopyCase {
    const char* grid;
    CopiedTable (*copy)(const GridModel&);
    std::string headingLine;
    std::size_t rows;
    // Lines of the tab-separated text, by their row (0 is the heading line).
    std::vector<std::pair<std::size_t, std::string>> lines;
};

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the text ends with a line break";
    return lines;
}

TEST(GridCopyTest, EachGridCopiesWhatItShowsWithItsHeadings)
{
    TestWindow w;
    w.spins.add({14, 26, 5}); // 14/3, 26/2, 5/1: number 15
    w.spins.addNumber(15);
    w.spins.addNumber(20);
    w.spins.add(14);
    w.controller.textanzahlEdited("30");
    w.controller.tabelle1Click(9, 0);  // marked, not yet come
    w.controller.tabelle1Click(20, 0); // marked, comes at the ninth spin
    for (int press = 0; press < 10; ++press)
        w.controller.okstartClick();
    const FormModel& f = w.form;
    ASSERT_EQ(f.tabelle3.textAt(0, 1), "14/3");

    const CopyCase cases[] = {
        {"tabelle1",
         &copyOfFrequencies,
         "Zahl\tAnzahl\t2fach\t3fach\tmarkiert",
         37,
         {{1, "0\t\t\t\t"}, {10, "9\t\t\t\tja"}, {16, "15\t2\t1\t\t"}, {21, "20\t1\t\t\tja"}}},
        {"tabelle2",
         &copyOfFirstAppearances,
         "Zahl\tErstes Erscheinen",
         37,
         {{10, "9\t"}, {21, "20\t9"}, {37, "36\t"}}},
        {"tabelle3",
         &copyOfSpinLog,
         "Zahl\t1. Wurf\tSechser\t2. Wurf\tKolonne\t3. Wurf\tFarbe",
         4,
         {{1, "15\t14\t3\t26\t2\t5\t1"}, {4, "\t14\t3\t\t\t\t"}}},
    };
    for (const CopyCase& c : cases) {
        SCOPED_TRACE(c.grid);
        const GridModel& grid = c.grid == std::string("tabelle1")   ? f.tabelle1
                                : c.grid == std::string("tabelle2") ? f.tabelle2
                                                                    : f.tabelle3;
        const CopiedTable table = c.copy(grid);
        const std::vector<std::string> lines = linesOf(asTabSeparated(table));
        ASSERT_EQ(lines.size(), c.rows + 1);
        EXPECT_EQ(lines[0], c.headingLine);
        for (const auto& [row, line] : c.lines)
            EXPECT_EQ(lines.at(row), line) << "line " << row;
        // The HTML table holds the same cells, row by row.
        const std::string html = asHtmlTable(table);
        std::size_t cells = 0;
        for (std::size_t at = 0; (at = html.find("<td>", at)) != std::string::npos; ++at)
            ++cells;
        EXPECT_EQ(cells, table.rows.size() * table.headings.size());
        EXPECT_NE(html.find("<th>" + table.headings.back() + "</th></tr>"), std::string::npos);
    }
}

TEST(GridCopyTest, HtmlKeepsMarkupOutOfItsCells)
{
    const CopiedTable table{{"a<b"}, {{"x&y"}}};
    EXPECT_EQ(asHtmlTable(table),
              "<table>\n<tr><th>a&lt;b</th></tr>\n<tr><td>x&amp;y</td></tr>\n</table>\n");
}

} // namespace
} // namespace ravelin
