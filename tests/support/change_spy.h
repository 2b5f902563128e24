// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stands between a window's controls and their change handling: a test can
// look on just before and just after each handling runs.

#include "window/form_model.h"

#include <functional>

namespace ravelin::testing {

class ChangeSpy : public ChangeHandling {
public:
    enum Change { textanzahl, haltbei, runMode, drive, folder };

    explicit ChangeSpy(FormModel& form) : form_(form), inner_(*form.changeHandling)
    {
        form.changeHandling = this;
    }
    ~ChangeSpy() { form_.changeHandling = &inner_; }
    ChangeSpy(const ChangeSpy&) = delete;
    ChangeSpy& operator=(const ChangeSpy&) = delete;

    std::function<void(Change)> before;
    std::function<void(Change)> after;

    void textanzahlChanged() override { run(textanzahl, &ChangeHandling::textanzahlChanged); }
    void haltbeiChanged() override { run(haltbei, &ChangeHandling::haltbeiChanged); }
    void runModeChanged() override { run(runMode, &ChangeHandling::runModeChanged); }
    void driveChanged() override { run(drive, &ChangeHandling::driveChanged); }
    void folderChanged() override { run(folder, &ChangeHandling::folderChanged); }

private:
    void run(Change change, void (ChangeHandling::*handling)())
    {
        if (before)
            before(change);
        (inner_.*handling)();
        if (after)
            after(change);
    }

    FormModel& form_;
    ChangeHandling& inner_;
};

} // namespace ravelin::testing
