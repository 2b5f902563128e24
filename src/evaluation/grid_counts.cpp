// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/grid_counts.h"

#include "text/number_reading.h"
#include "window/form_model.h"

#include <cmath>

namespace ravelin {

namespace {

std::uint64_t countAt(const GridModel& grid, int row, int col)
{
    const double count = readNumber(grid.textAt(row, col));
    return count > 0 ? static_cast<std::uint64_t>(std::nearbyint(count)) : 0;
}

} // namespace

NumberCounts countsFromGrid(const GridModel& tabelle1)
{
    NumberCounts counts;
    for (int n = 0; n <= wheel::lastNumber; ++n) {
        const auto i = static_cast<std::size_t>(n);
        counts.frequency[i] = countAt(tabelle1, n, tabelle1col::frequency);
        counts.twiceInARow[i] = countAt(tabelle1, n, tabelle1col::twiceInARow);
        counts.threeInARow[i] = countAt(tabelle1, n, tabelle1col::threeInARow);
    }
    return counts;
}

} // namespace ravelin
