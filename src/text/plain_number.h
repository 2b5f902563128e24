// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace ravelin {

// A whole number as the window shows it: decimal digits only, no blanks,
// no grouping, no decimal point, whatever the locale. Written into a buffer
// of its own, for the counters a run writes on every triple.
class PlainNumber {
public:
    explicit PlainNumber(double value);
    // The run's 16-bit counters and the composed number need no rounding.
    explicit PlainNumber(int value);
    std::string_view text() const { return {digits_.data(), size_}; }

private:
    // The largest double has 309 digits before its point.
    std::array<char, 320> digits_;
    std::size_t size_ = 0;
};

} // namespace ravelin
