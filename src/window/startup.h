// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ravelin {

struct FormModel;
class SpinSource;

// Runs once when the window loads, before it is first shown.
void runStartUp(FormModel& form, SpinSource& spins);

} // namespace ravelin
