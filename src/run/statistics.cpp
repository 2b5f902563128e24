// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/statistics.h"

#include "control/marking.h"
#include "text/number_reading.h"
#include "text/plain_number.h"
#include "window/form_model.h"
#include "window/run_mode.h"

#include <cstdint>

namespace ravelin {

namespace {

constexpr std::int16_t pairOpen = 1;

// Raises the count in the current cell by one and gives the new count.
double raiseCount(GridModel& grid)
{
    const double count = readNumber(grid.text()) + 1;
    grid.setText(PlainNumber(count).text());
    return count;
}

} // namespace

void Statistics::update()
{
    SessionState& s = form_.state;
    GridModel& t1 = form_.tabelle1;
    const bool perRotation = form_.Option1.isSelected(runmode::rotation37);
    // Which composed number this is: of the run, or of the rotation; written
    // only when a first repeat is seen.
    const auto ordinal = [&] { return PlainNumber(perRotation ? s.rotwurf : s.kombiwurf); };

    t1.setRow(s.zahl);
    t1.setCol(tabelle1col::frequency);
    if (raiseCount(t1) == 2) {
        if (s.doppeltgesehen == 0)
            form_.Label11.setCaption(ordinal().text());
        s.doppeltgesehen = 1;
    }

    // Three in a row is looked at before the pair, so a third equal number
    // also counts as a pair again and keeps the pair open for a fourth.
    if (s.paarstatus == pairOpen) {
        if (s.paarzahl == s.zahl) {
            t1.setCol(tabelle1col::threeInARow);
            raiseCount(t1);
            if (s.dreifachgesehen == 0)
                form_.Label14.setCaption(ordinal().text());
            s.dreifachgesehen = 1;
        }
        s.paarstatus = SessionState::none;
    }

    if (s.zahl == s.vorzahl) {
        t1.setCol(tabelle1col::twiceInARow);
        raiseCount(t1);
        s.paarzahl = s.zahl;
        s.paarstatus = pairOpen;
        if (s.paargesehen == 0)
            form_.Label13.setCaption(ordinal().text());
        s.paargesehen = 1;
    }

    // An armed marked number records its first appearance: the spin position,
    // or the triple within the rotation.
    GridModel& t2 = form_.tabelle2;
    t2.setRow(s.zahl);
    t2.setCol(0);
    if (t2.text() == armed)
        t2.setText(PlainNumber(perRotation ? s.rotwurf : s.wurfnummer).text());

    s.vorzahl = s.zahl;
}

} // namespace ravelin
