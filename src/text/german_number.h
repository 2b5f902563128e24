// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace ravelin {

// Figures as a German reader writes them, whatever the locale: thousands
// grouped by ".", a decimal comma.

// A count: "48.211".
std::string germanCount(std::uint64_t count);

// A value with `decimals` places after the comma: "1.234,57"; what is no
// finite number shows as "-".
std::string germanDecimal(double value, int decimals);

// A probability with three significant digits ("0,430", "0,0500",
// "0,00412"), or "< 0,001" below that.
std::string germanProbability(double p);

} // namespace ravelin
