// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "evaluation/number_counts.h"

#include <cstdint>
#include <optional>

namespace ravelin {

class NumberShares;

// The test needs every number expected this often at least.
inline constexpr std::uint64_t fewestExpectedPerNumber = 5;
// Thirty-six numbers, one of them fixed by the others and the total.
inline constexpr int chiSquareDegreesOfFreedom = wheel::lastNumber - 1;

struct ChiSquareTest {
    double chiSquare = 0;
    double pValue = 1;
};

// The composed numbers a test needs: every number expected
// `fewestExpectedPerNumber` times at least.
std::uint64_t numbersNeededForTest(const NumberShares& shares);

// How far the counts of the numbers 1..36 stand from their shares,
// Σ (O − E)² / E; none without a number.
std::optional<double> chiSquare(const NumberCounts::PerNumber& counts, const NumberShares& shares);
// That figure with its p-value; none while there are fewer numbers than
// the test needs.
std::optional<ChiSquareTest> chiSquareTest(const NumberCounts::PerNumber& counts,
                                           const NumberShares& shares);

// The chance of a chi-square this large or larger with the given degrees of
// freedom.
double chiSquarePValue(double chiSquare, int degreesOfFreedom);

} // namespace ravelin
