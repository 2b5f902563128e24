// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "evaluation/chi_square.h"
#include "evaluation/number_counts.h"
#include "evaluation/repeat_chances.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ravelin {

class NumberShares;

// A test below this p-value calls the counts conspicuous.
inline constexpr double conspicuousBelow = 0.01;

// What the distribution window shows of a set of composed numbers.
struct DistributionFigures {
    NumberCounts::PerNumber counts{}; // index 0 unused
    std::uint64_t numbers = 0;
    std::uint64_t numbersNeededForTest = 0;
    std::optional<double> chiSquare;   // from the first number on
    std::optional<ChiSquareTest> test; // none below numbersNeededForTest
    std::uint64_t pairs = 0;
    double expectedPairs = 0;
    std::uint64_t threes = 0;
    double expectedThrees = 0;
};

// The figures of the counts, whose repeats had the given chances.
DistributionFigures distributionFigures(const NumberCounts& counts, const RepeatChances& chances,
                                        const NumberShares& shares);

// The verdict in one sentence, with the p-value or the numbers still needed.
std::string verdictText(const DistributionFigures& figures);

// The figures as the clipboard takes them: one "name<TAB>value" a line, a
// value empty where there is none, then one line for each number 1..36
// with its count.
std::string copyText(const DistributionFigures& figures);

} // namespace ravelin
