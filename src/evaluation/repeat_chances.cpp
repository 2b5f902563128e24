// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/repeat_chances.h"

#include "evaluation/number_shares.h"

#include <algorithm>

namespace ravelin {

namespace {

// Of the numbers at the places [before, before + numbers) of a run, those
// with at least `needed` numbers in front of them.
std::uint64_t withPredecessors(std::uint64_t numbers, std::uint64_t before, std::uint64_t needed)
{
    const std::uint64_t without = needed > before ? needed - before : 0;
    return numbers - std::min(numbers, without);
}

} // namespace

RepeatChances repeatChances(std::uint64_t numbers, std::uint64_t numbersBefore)
{
    return {withPredecessors(numbers, numbersBefore, 1),
            withPredecessors(numbers, numbersBefore, 2)};
}

double expectedPairs(const RepeatChances& chances, const NumberShares& shares)
{
    return static_cast<double>(chances.pairs) * shares.pairShare();
}

double expectedThrees(const RepeatChances& chances, const NumberShares& shares)
{
    return static_cast<double>(chances.threes) * shares.threeShare();
}

} // namespace ravelin
