// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ravelin {

struct FormModel;
class Confirmation;

// Abbruch: after confirmation, back to the set-up state for a new run.
class Restart {
public:
    Restart(FormModel& form, Confirmation& confirmation) : form_(form), confirmation_(confirmation)
    {
    }

    void okabbrechenClick();

private:
    FormModel& form_;
    Confirmation& confirmation_;
};

} // namespace ravelin
