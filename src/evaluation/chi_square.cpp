// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/chi_square.h"

#include "evaluation/number_shares.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <algorithm>

namespace ravelin {

std::uint64_t numbersNeededForTest(const NumberShares& shares)
{
    // In whole triples, so that equal shares give exactly 36 times five.
    std::uint64_t fewest = NumberShares::allTriples();
    for (int n = 1; n <= wheel::lastNumber; ++n)
        fewest = std::min(fewest, shares.triplesComposing(n));
    const std::uint64_t wanted = fewestExpectedPerNumber * NumberShares::allTriples();
    return (wanted + fewest - 1) / fewest;
}

namespace {
std::uint64_t numbersOf(const NumberCounts::PerNumber& counts)
{
    std::uint64_t n = 0;
    for (int number = 1; number <= wheel::lastNumber; ++number)
        n += counts[static_cast<std::size_t>(number)];
    return n;
}
} // namespace

std::optional<double> chiSquare(const NumberCounts::PerNumber& counts, const NumberShares& shares)
{
    const std::uint64_t n = numbersOf(counts);
    if (n == 0)
        return std::nullopt;
    double sum = 0;
    for (int number = 1; number <= wheel::lastNumber; ++number) {
        const double expected = static_cast<double>(n) * shares.of(number);
        const double off = static_cast<double>(counts[static_cast<std::size_t>(number)]) - expected;
        sum += off * off / expected;
    }
    return sum;
}

std::optional<ChiSquareTest> chiSquareTest(const NumberCounts::PerNumber& counts,
                                           const NumberShares& shares)
{
    if (numbersOf(counts) < numbersNeededForTest(shares))
        return std::nullopt;
    const double figure = *chiSquare(counts, shares);
    return ChiSquareTest{figure, chiSquarePValue(figure, chiSquareDegreesOfFreedom)};
}

double chiSquarePValue(double chiSquare, int degreesOfFreedom)
{
    const boost::math::chi_squared distribution(degreesOfFreedom);
    return boost::math::cdf(boost::math::complement(distribution, std::max(chiSquare, 0.0)));
}

} // namespace ravelin
