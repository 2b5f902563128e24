// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ravelin {

struct FormModel;

// What a press does with the chosen run mode once a triple is complete, and
// the bookkeeping of rotations of 37 composed numbers.
class RunModes {
public:
    explicit RunModes(FormModel& form) : form_(form) {}

    // The last step of the colour phase. True when the press goes on into
    // the run-end check and the next six-group phase.
    bool step();

    // At every triple start in "Rotation/37": recorded first appearances
    // wait again and the three result labels are emptied.
    void rotationReset();

    // Before every draw attempt of a six-group phase, in every mode: once a
    // rotation's 37 numbers are complete, the counts are cleared and the
    // green grid is re-armed. Does nothing before that.
    void rotationClear();

private:
    FormModel& form_;
};

} // namespace ravelin
