// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ravelin {

// What runs at once when one of these controls changes, whether the user
// changed it or a handler did: inside that handler, before its next step.
// The window's controller answers each.
class ChangeHandling {
public:
    virtual void textanzahlChanged() = 0;
    virtual void haltbeiChanged() = 0;
    // Any choice of an option of the run mode, also of the one already chosen.
    virtual void runModeChanged() = 0;
    virtual void driveChanged() = 0;
    virtual void folderChanged() = 0;

protected:
    ~ChangeHandling() = default;
};

} // namespace ravelin
