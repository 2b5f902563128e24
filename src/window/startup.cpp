// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/startup.h"

#include "board/wheel.h"
#include "window/form_model.h"
#include "window/guidance_text.h"
#include "window/platform.h"

#include <string>

namespace ravelin {

namespace {
constexpr int logColumnWidths[4] = {450, 700, 600, 600};
}

void runStartUp(FormModel& form, SpinSource& spins)
{
    form.state.setToStartValues();
    spins.seedFromClock();

    GridModel& t1 = form.tabelle1;
    t1.setCol(1);
    for (int c = 0; c < 4; ++c) {
        t1.setColWidth(c, logColumnWidths[c]);
        t1.setColAlignment(c, ColumnAlignment::CentreTop);
    }
    for (int r = 0; r <= wheel::lastNumber; ++r) {
        t1.setCol(tabelle1col::number);
        t1.setRow(r);
        t1.setText(std::to_string(r));
    }
    t1.setRow(0);

    GridModel& t2 = form.tabelle2;
    t2.setCol(0);
    t2.setColWidth(0, 400);
    t2.setColAlignment(0, ColumnAlignment::CentreTop);

    GridModel& t3 = form.tabelle3;
    t3.setCol(1);
    for (int c = 0; c < 4; ++c) {
        t3.setColWidth(c, logColumnWidths[c]);
        t3.setColAlignment(c, ColumnAlignment::CentreTop);
    }

    form.board.fill();
    form.text.setCaption(startGuidanceText());
}

} // namespace ravelin
