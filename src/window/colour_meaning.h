// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window's colours tell a sighted user, in words for a screen
// reader's user, who cannot see them.

#include "window/colour.h"
#include "window/grid_model.h"

#include <string>
#include <string_view>

namespace ravelin {

// okstart is red while a triple is under way and green once its number is
// composed; none for any other colour.
std::string_view startButtonState(Colour back);

// Whether the number of a row of the frequency grid is marked: its cell is
// light green, the only place the window keeps a mark.
bool isMarkedNumber(const GridModel& tabelle1, int row);

// A cell of the frequency grid: whether its row's number is marked (light
// green) and whether the cell is a candidate of the current triple (blue);
// empty when neither.
std::string frequencyCellState(const GridModel& tabelle1, int row, int col);

} // namespace ravelin
