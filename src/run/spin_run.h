// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/run_modes.h"
#include "run/statistics.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace ravelin {

struct FormModel;
class SpinSource;

// The Start button: one phase of a triple per press. Three valid spins
// compose one number from the group of the first, the column of the second
// and the colour of the third.
class SpinRun {
public:
    SpinRun(FormModel& form, SpinSource& spins);

    void okstartClick();
    // Presses Start as the button does, again and again, until the run has
    // ended or a press changed the run mode by itself. The window is shown
    // once afterwards, not in the middle of each press.
    void runToEnd();

private:
    void tripleStart();
    // Ends the run once the wanted spins are used up, else goes on into the
    // next six-group phase in the same press.
    void runEndCheck();
    void sixGroupPhase();
    void columnPhase();
    void colourPhase();

    // Draws the next valid spin into wurfzahl, skipping zeros. False when
    // the imported spins have run out and the run has been ended.
    bool drawSpin(bool sixGroup);
    std::int16_t spinFromGenerator();
    std::int16_t spinFromPermanence() const;

    void writeLog(int col, std::int16_t spin, std::int16_t contribution);
    void endRun();
    // Ends the run so that the open triple is given up: the next press, if
    // any, begins afresh.
    void endRunGivingUpTriple();

    // Gives the candidate columns of the frequency grid the window's
    // background again before the next triple shows its own.
    void clearCandidates();
    void paintCandidate(int row, int col);

    FormModel& form_;
    SpinSource& spins_;
    Statistics statistics_;
    RunModes runModes_;
    // The cells (row, column) of tabelle1 painted as candidates since the
    // last clear, the next triple's group painted by a run going on included.
    // Clearing only these, not both whole columns, keeps the whole run within
    // its budget against the floor: the whole columns took a third of the run
    // and 8.56x the floor once beside other builds (bench/README.md).
    std::vector<std::pair<int, int>> painted_;
};

} // namespace ravelin
