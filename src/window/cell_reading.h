// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/grid_model.h"

#include <string>

namespace ravelin {

// A cell of the first-appearance grid as a reader hears it: the number of
// its row, which a sighted user reads off the frequency grid beside it,
// then the spin the number first came at ("21: 6"). Empty while the cell
// holds nothing but blanks.
std::string firstAppearanceReading(const GridModel& tabelle2, int row, int col);

} // namespace ravelin
