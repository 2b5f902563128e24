#pragma once

namespace ravelin {

struct FormModel;
class SpinSource;

// The Start button: one phase of a triple per press.
class SpinRun {
public:
    SpinRun(FormModel& form, SpinSource& spins) : form_(form), spins_(spins) {}

    void okstartClick();

private:
    FormModel& form_;
    SpinSource& spins_;
};

} // namespace ravelin
