// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ravelin {

// The buttons of Option1, by index. The window lists them top to bottom as
// 0, 1, 3, 2.
namespace runmode {
inline constexpr int einzelschritt = 0;
inline constexpr int durchlauf = 1;
inline constexpr int haltBeiWurf = 2;
inline constexpr int rotation37 = 3;
} // namespace runmode

} // namespace ravelin
