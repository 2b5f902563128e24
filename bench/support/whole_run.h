// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole run every run figure is taken over: a fresh session, 30000
// wanted spins, "Durchlauf", Start pressed until it is disabled. Each triple
// after a continuation uses five spin positions, so the run ends at the
// log's 5000-row bound long before the wanted spins are used up.

#include "board/wheel.h"
#include "window/run_mode.h"
#include "wiring/form_controller.h"

#include <string_view>

namespace ravelin::bench {

inline constexpr std::string_view wantedSpins = "30000";
inline constexpr int wholeRunTriples = wheel::logRows;

inline void prepareWholeRun(FormController& controller)
{
    controller.textanzahlEdited(wantedSpins);
    controller.option1Click(runmode::durchlauf);
}

// Presses Start until the run has ended; returns the number of presses.
inline int pressUntilEnd(FormController& controller)
{
    int presses = 0;
    while (controller.form().okstart.enabled()) {
        controller.okstartClick();
        ++presses;
    }
    return presses;
}

} // namespace ravelin::bench
