// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ravelin {

struct FormModel;

// The counts of the composed numbers: how often each came, twice and three
// times in a row, the first of each kind, and the first appearance of every
// armed marked number.
class Statistics {
public:
    explicit Statistics(FormModel& form) : form_(form) {}

    // Counts zahl, the number just composed.
    void update();

private:
    FormModel& form_;
};

} // namespace ravelin
