// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/wheel.h"

#include <array>
#include <cstdint>

namespace ravelin {

// How often each composed number came, and how often it came twice and three
// times in a row, as the frequency grid's three columns count; index 0 is the
// zero, never composed.
struct NumberCounts {
    using PerNumber = std::array<std::uint64_t, wheel::numberCount>;
    PerNumber frequency{};
    PerNumber twiceInARow{};
    PerNumber threeInARow{};

    friend bool operator==(const NumberCounts&, const NumberCounts&) = default;
    NumberCounts& operator+=(const NumberCounts& other);
};

std::uint64_t total(const NumberCounts::PerNumber& counts);

} // namespace ravelin
