// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/board_tables.h"
#include "evaluation/number_counts.h"

#include <cstdint>

namespace ravelin {

// Composes spins into numbers and counts them as a run does: every three
// valid spins make one number; a number equal to the one before it is a pair,
// equal to the two before it three in a row. Begun afresh for each file.
class TripleCounter {
public:
    explicit TripleCounter(const BoardTables& board) : board_(board) {}

    // A spin as wheel::spinOf gives it; a 0 is passed over.
    void add(std::int16_t spin)
    {
        if (spin == 0)
            return;
        triple_[filled_++] = spin;
        if (filled_ == triple_.size()) {
            filled_ = 0;
            count(board_.compose(triple_[0], triple_[1], triple_[2]));
        }
    }

    const NumberCounts& counts() const { return counts_; }
    std::uint64_t numbers() const { return numbers_; }

private:
    void count(std::int16_t number)
    {
        const auto n = static_cast<std::size_t>(number);
        ++counts_.frequency[n];
        ++numbers_;
        if (number == previous_) {
            ++counts_.twiceInARow[n];
            if (number == beforePrevious_)
                ++counts_.threeInARow[n];
        }
        beforePrevious_ = previous_;
        previous_ = number;
    }

    // No number is composed before the first.
    static constexpr std::int16_t noNumber = -1;

    const BoardTables& board_;
    std::array<std::int16_t, 3> triple_{};
    std::size_t filled_ = 0;
    std::int16_t previous_ = noNumber;
    std::int16_t beforePrevious_ = noNumber;
    NumberCounts counts_;
    std::uint64_t numbers_ = 0;
};

} // namespace ravelin
