// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/colour_meaning.h"

#include "window/form_model.h"

namespace ravelin {

std::string_view startButtonState(Colour back)
{
    if (back == colour::startRed)
        return "Rot: Dreiergruppe l\u00e4uft";
    // Light green before the first run, full green after each triple.
    if (back == colour::startGreen || back == colour::lightGreen)
        return "Gr\u00fcn: bereit f\u00fcr eine neue Dreiergruppe";
    return {};
}

bool isMarkedNumber(const GridModel& tabelle1, int row)
{
    return tabelle1.colourAt(row, tabelle1col::number) == colour::lightGreen;
}

std::string frequencyCellState(const GridModel& tabelle1, int row, int col)
{
    std::string state;
    if (isMarkedNumber(tabelle1, row))
        state = "markiert";
    const bool candidateColumn = col == tabelle1col::twiceInARow || col == tabelle1col::threeInARow;
    if (candidateColumn && tabelle1.colourAt(row, col) == colour::candidateBlue)
        state += state.empty() ? "Kandidat" : ", Kandidat";
    return state;
}

} // namespace ravelin
