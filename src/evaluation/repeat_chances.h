// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace ravelin {

class NumberShares;

// The chances of a repeat: each number that had a number before it is one
// chance of a pair, each that had two before it one of three in a row.
struct RepeatChances {
    std::uint64_t pairs = 0;
    std::uint64_t threes = 0;

    RepeatChances& operator+=(const RepeatChances& other)
    {
        pairs += other.pairs;
        threes += other.threes;
        return *this;
    }
    friend bool operator==(const RepeatChances&, const RepeatChances&) = default;
};

// The chances of `numbers` composed numbers that follow `numbersBefore` of
// the same run: a run from its start has none before; a later rotation of
// "Rotation/37" has the rotations before it, so each of its numbers is a
// chance of both.
RepeatChances repeatChances(std::uint64_t numbers, std::uint64_t numbersBefore = 0);

// The pairs and threes in a row the chances are expected to give.
double expectedPairs(const RepeatChances& chances, const NumberShares& shares);
double expectedThrees(const RepeatChances& chances, const NumberShares& shares);

} // namespace ravelin
