// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/startup.h"

#include "board/wheel.h"
#include "window/form_model.h"
#include "window/guidance_text.h"
#include "window/platform.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>

namespace ravelin {

namespace {

// The frequency grid's columns: the number, how often it came, twice and
// three times in a row.
constexpr std::array frequencyGridWidthsTwips{450, 700, 600, 600};
// The log's columns: the composed number and its three spins, as wide.
constexpr std::array logWidthsTwips = frequencyGridWidthsTwips;
// The one column of the green grid of first appearances.
constexpr int firstAppearanceWidthTwips = 400;

// Gives the grid's first columns these widths, each centred at the top.
void layOutColumns(GridModel& grid, std::span<const int> widthsTwips)
{
    for (std::size_t c = 0; c < widthsTwips.size(); ++c) {
        grid.setColWidth(static_cast<int>(c), widthsTwips[c]);
        grid.setColAlignment(static_cast<int>(c), ColumnAlignment::CentreTop);
    }
}

} // namespace

void runStartUp(FormModel& form, SpinSource& spins)
{
    form.state.setToStartValues();
    spins.seedFromClock();

    GridModel& t1 = form.tabelle1;
    t1.setCol(1);
    layOutColumns(t1, frequencyGridWidthsTwips);
    for (int r = 0; r <= wheel::lastNumber; ++r) {
        t1.setCol(tabelle1col::number);
        t1.setRow(r);
        t1.setText(std::to_string(r));
    }
    t1.setRow(0);

    GridModel& t2 = form.tabelle2;
    t2.setCol(0);
    t2.setColWidth(0, firstAppearanceWidthTwips);
    t2.setColAlignment(0, ColumnAlignment::CentreTop);

    GridModel& t3 = form.tabelle3;
    t3.setCol(1);
    layOutColumns(t3, logWidthsTwips);

    form.board.fill();
    form.text.setCaption(startGuidanceText());
}

} // namespace ravelin
