// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/plain_number.h"

#include <charconv>
#include <cmath>

namespace ravelin {

namespace {
constexpr double wholeLimit = 9007199254740992.0; // 2^53
} // namespace

PlainNumber::PlainNumber(double value)
{
    char* const begin = digits_.data();
    char* const end = begin + digits_.size();
    char* last = nullptr;
    // Every count and spin position is far below 2^53: written as an integer
    // it has the same digits, for a fraction of the cost of a double (written
    // as doubles, they took the whole run past 8 times its floor). Most are
    // whole already and need no rounding.
    if (value > -wholeLimit && value < wholeLimit) {
        auto whole = static_cast<long long>(value);
        if (static_cast<double>(whole) != value) // to the nearest, halves to even
            whole = static_cast<long long>(std::nearbyint(value));
        last = std::to_chars(begin, end, whole).ptr; // a negative zero is 0 here
    } else {
        // Beyond 2^53 every double is whole; what is no number shows as 0.
        last = std::to_chars(begin, end, std::isfinite(value) ? value : 0.0,
                             std::chars_format::fixed, 0)
                   .ptr;
    }
    size_ = static_cast<std::size_t>(last - begin);
}

PlainNumber::PlainNumber(int value)
{
    size_ = static_cast<std::size_t>(
        std::to_chars(digits_.data(), digits_.data() + digits_.size(), value).ptr - digits_.data());
}

} // namespace ravelin
