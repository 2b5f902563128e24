// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/cell_reading.h"

namespace ravelin {

std::string firstAppearanceReading(const GridModel& tabelle2, int row, int col)
{
    // A marked number's cell holds a blank until the number comes.
    std::string_view spin = tabelle2.textAt(row, col);
    const std::size_t first = spin.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    spin.remove_prefix(first);
    spin.remove_suffix(spin.size() - spin.find_last_not_of(' ') - 1);
    return std::to_string(row) + ": " + std::string(spin);
}

} // namespace ravelin
