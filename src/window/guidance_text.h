// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ravelin {

// The guidance shown at start, after a restart and when the import panel is
// left: four lines, each break a carriage return alone.
std::string startGuidanceText();

} // namespace ravelin
