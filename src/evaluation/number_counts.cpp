// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/number_counts.h"

#include <numeric>

namespace ravelin {

NumberCounts& NumberCounts::operator+=(const NumberCounts& other)
{
    for (std::size_t n = 0; n < frequency.size(); ++n) {
        frequency[n] += other.frequency[n];
        twiceInARow[n] += other.twiceInARow[n];
        threeInARow[n] += other.threeInARow[n];
    }
    return *this;
}

std::uint64_t total(const NumberCounts::PerNumber& counts)
{
    return std::accumulate(counts.begin(), counts.end(), std::uint64_t{0});
}

} // namespace ravelin
