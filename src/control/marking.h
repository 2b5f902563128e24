// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ravelin {

struct FormModel;

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
