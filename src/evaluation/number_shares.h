// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/wheel.h"

#include <array>
#include <cstdint>

namespace ravelin {

struct BoardTables;

// How likely three valid spins compose each number 1..36: every triple of
// spins 1..36 composed by the board tables, and counted.
class NumberShares {
public:
    explicit NumberShares(const BoardTables& board);

    // The share of the number among all triples; 0 for the zero.
    double of(int number) const;
    // The triples that compose the number, of allTriples().
    std::uint64_t triplesComposing(int number) const
    {
        return triples_[static_cast<std::size_t>(number)];
    }
    static constexpr std::uint64_t allTriples()
    {
        return std::uint64_t{wheel::lastNumber} * wheel::lastNumber * wheel::lastNumber;
    }

    // That a number is the one before it: the sum of the squared shares.
    double pairShare() const;
    // That a number is the two before it: the sum of the cubed shares.
    double threeShare() const;
    // The distinct numbers expected among k composed numbers.
    double expectedDistinct(std::uint64_t k) const;

private:
    std::array<std::uint64_t, wheel::numberCount> triples_{};
};

} // namespace ravelin
