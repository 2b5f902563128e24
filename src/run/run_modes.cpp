// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/run_modes.h"

#include "board/wheel.h"
#include "control/marking.h"
#include "text/number_reading.h"
#include "window/form_model.h"
#include "window/run_mode.h"

#include <string>

namespace ravelin {

namespace {

// A rotation is complete after 37 counted triples; it ends with the 38th,
// the first one counted in the cleared grid.
constexpr std::int16_t rotationComplete = wheel::numberCount;
constexpr std::int16_t rotationEnd = rotationComplete + 1;

} // namespace

bool RunModes::step()
{
    const OptionGroup& modes = form_.Option1;
    SessionState& s = form_.state;

    if (modes.isSelected(runmode::durchlauf))
        return true;

    if (modes.isSelected(runmode::haltBeiWurf)) {
        if (s.wurfnummer >= s.haltwurf) {
            form_.selectRunMode(runmode::einzelschritt);
            return false;
        }
        return true;
    }

    if (modes.isSelected(runmode::rotation37)) {
        if (s.wurfnummer >= s.wurfanzahl) {
            // The next press finds the spins used up and ends the run.
            form_.selectRunMode(runmode::einzelschritt);
            return false;
        }
        ++s.rotzaehler;
        form_.Lrotat.setCaption(std::to_string(s.rotationen + 1) + "/" + std::to_string(s.rotwurf));
        if (s.rotzaehler >= rotationEnd) {
            ++s.rotationen;
            s.rotzaehler = 0;
            s.rotwurf = 0;
            s.doppeltgesehen = 0;
            s.paargesehen = 0;
            s.dreifachgesehen = 0;
            if (s.wurfanzahl - s.wurfnummer < wheel::spinsPerRotation)
                form_.selectRunMode(runmode::einzelschritt);
        }
    }
    return false;
}

void RunModes::rotationReset()
{
    GridModel& t2 = form_.tabelle2;
    t2.setCol(0);
    for (int row = 0; row <= wheel::lastNumber; ++row) {
        t2.setRow(row);
        if (readNumber(t2.text()) > 0)
            t2.setText(armed);
    }
    form_.Label11.setCaption("");
    form_.Label13.setCaption("");
    form_.Label14.setCaption("");
}

void RunModes::rotationClear()
{
    // rotzaehler stays: only the end of the rotation sets it back, so a mode
    // changed at 37 clears again at every later six-group phase.
    if (form_.state.rotzaehler < rotationComplete)
        return;
    clearCounts(form_);
    rearmGreenGrid(form_);
}

} // namespace ravelin
