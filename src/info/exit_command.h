// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ravelin {

struct FormModel;
class Confirmation;

// Ende: ends the program once the user confirms.
class ExitCommand {
public:
    ExitCommand(FormModel& form, Confirmation& confirmation)
        : form_(form), confirmation_(confirmation)
    {
    }

    void okendeClick();

private:
    FormModel& form_;
    Confirmation& confirmation_;
};

} // namespace ravelin
