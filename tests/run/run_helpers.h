// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the spin run tests share: pressing Start and reading the window.

#include "support/scripted_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

// The candidates of tabelle1's column col are blue; every other cell of it
// has the window's background, which each triple start gives the column.
inline void expectCandidates(const FormModel& form, int col, const std::vector<int>& blueRows)
{
    for (int row = 0; row <= 36; ++row) {
        const bool blue = std::find(blueRows.begin(), blueRows.end(), row) != blueRows.end();
        EXPECT_EQ(form.tabelle1.colourAt(row, col),
                  blue ? colour::candidateBlue : colour::windowBackground)
            << "row " << row << " col " << col;
    }
}

// A count as the frequency grid shows it: empty for none.
inline std::string countText(int count) { return count == 0 ? "" : std::to_string(count); }

} // namespace ravelin::testing
