// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A grid as it is copied out of the window: the whole grid, with a heading
// line, in cells a spreadsheet reads as they are meant.

#include "window/grid_model.h"

#include <string>
#include <vector>

namespace ravelin {

struct CopiedTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
};

// The frequencies of the numbers 0 to 36 and whether each is marked, which
// the screen shows only as a colour.
CopiedTable copyOfFrequencies(const GridModel& tabelle1);
// The spin at which each number 0 to 36 first appeared, where marked.
CopiedTable copyOfFirstAppearances(const GridModel& tabelle2);
// The log's rows written since it was last cleared, each "spin/part" in two
// cells: a spreadsheet would read "14/3" as a date.
CopiedTable copyOfSpinLog(const GridModel& tabelle3);

// One line per row, the heading line first, the cells separated by tabs.
std::string asTabSeparated(const CopiedTable& table);
// The same cells as an HTML table.
std::string asHtmlTable(const CopiedTable& table);

} // namespace ravelin
