#pragma once

#include <string>

namespace ravelin {

// A whole number as the window shows it: decimal digits only, no blanks,
// no grouping, no decimal point, whatever the locale.
std::string plainNumber(double value);

} // namespace ravelin
