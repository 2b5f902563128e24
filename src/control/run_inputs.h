// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ravelin {

struct FormModel;

// The spin count, the run mode and the halt spin.
class RunInputs {
public:
    explicit RunInputs(FormModel& form) : form_(form) {}

    void textanzahlChanged();
    void haltbeiChanged();
    void runModeChanged();

private:
    FormModel& form_;
};

} // namespace ravelin
