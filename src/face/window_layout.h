// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/placement.h"

#include <vector>

namespace ravelin {

// The parts of the window a widget belongs to. The import panel and the info
// viewer stand over the columns and are only shown when asked for.
enum class WindowPart { columns, infoViewer, importPanel };

// The window as designed, part by part; each part is built as a whole. In
// the import panel the rows after the frame stand within it.
std::vector<Placement> layoutOf(WindowPart part, FormModel& f);

} // namespace ravelin
