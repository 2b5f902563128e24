// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/number_shares.h"

#include "board/board_tables.h"

#include <cmath>

namespace ravelin {

NumberShares::NumberShares(const BoardTables& board)
{
    for (std::int16_t first = 1; first <= wheel::lastNumber; ++first)
        for (std::int16_t second = 1; second <= wheel::lastNumber; ++second)
            for (std::int16_t third = 1; third <= wheel::lastNumber; ++third)
                ++triples_[static_cast<std::size_t>(board.compose(first, second, third))];
}

double NumberShares::of(int number) const
{
    if (number < 1 || number > wheel::lastNumber)
        return 0;
    return static_cast<double>(triplesComposing(number)) / static_cast<double>(allTriples());
}

double NumberShares::pairShare() const
{
    double sum = 0;
    for (int n = 1; n <= wheel::lastNumber; ++n)
        sum += of(n) * of(n);
    return sum;
}

double NumberShares::threeShare() const
{
    double sum = 0;
    for (int n = 1; n <= wheel::lastNumber; ++n)
        sum += of(n) * of(n) * of(n);
    return sum;
}

double NumberShares::expectedDistinct(std::uint64_t k) const
{
    double sum = 0;
    for (int n = 1; n <= wheel::lastNumber; ++n)
        sum += 1 - std::pow(1 - of(n), static_cast<double>(k));
    return sum;
}

} // namespace ravelin
