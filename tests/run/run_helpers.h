// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the spin run tests share: pressing Start and reading the window.

#include "support/scripted_platform.h"

#include <string>

namespace ravelin::testing {

inline const std::string endLine = "\r                    ***  ENDE  *** ";

inline void press(TestWindow& w, int times = 1)
{
    for (int i = 0; i < times; ++i)
        w.controller.okstartClick();
}

// Presses Start until the run has ended (Start disabled); gives the presses.
inline int pressUntilEnd(TestWindow& w, int limit = 100000)
{
    int presses = 0;
    while (w.form.okstart.enabled() && presses < limit) {
        w.controller.okstartClick();
        ++presses;
    }
    return presses;
}

// A count as the frequency grid shows it: empty for none.
inline std::string countText(int count) { return count == 0 ? "" : std::to_string(count); }

} // namespace ravelin::testing
