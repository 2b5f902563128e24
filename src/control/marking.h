// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace ravelin {

struct FormModel;

// The text of an armed row of the green grid: on the green background it
// looks empty, and the statistics record a first appearance only where they
// find exactly this.
inline constexpr std::string_view armed = " ";

// The counts of the frequency grid go; the numbers and their marks stay.
void clearCounts(FormModel& form);

// Every marked number waits for its first appearance again; unmarked rows
// of the green grid are emptied.
void rearmGreenGrid(FormModel& form);

// Marks of numbers in the frequency grid and their first appearances.
class Marking {
public:
    explicit Marking(FormModel& form) : form_(form) {}

    void tabelle1Click();
    void okresetlClick();
    void command1Click();

private:
    FormModel& form_;
};

} // namespace ravelin
