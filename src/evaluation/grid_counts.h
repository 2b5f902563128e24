// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "evaluation/number_counts.h"

namespace ravelin {

class GridModel;

// The counts the frequency grid tabelle1 shows, row by row; an empty cell
// counts 0.
NumberCounts countsFromGrid(const GridModel& tabelle1);

} // namespace ravelin
