// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board_tables.h"

#include "board/wheel.h"

namespace ravelin {

namespace {
constexpr std::array<int, 18> redNumbers{1,  3,  5,  7,  9,  12, 14, 16, 18,
                                         19, 21, 23, 25, 27, 30, 32, 34, 36};
}

void BoardTables::fill()
{
    farbe.fill(0);
    kolonne.fill(0);
    sechser.fill(0);
    for (auto& byColumn : kombizahl)
        for (auto& byColour : byColumn)
            byColour.fill(0);

    for (int n = 1; n <= wheel::lastNumber; ++n) {
        farbe[n] = 2;
        kolonne[n] = static_cast<std::int16_t>((n - 1) % 3 + 1);
        sechser[n] = static_cast<std::int16_t>((n - 1) / 6 + 1);
    }
    for (int n : redNumbers)
        farbe[n] = 1;

    for (int s = 1; s <= 6; ++s)
        for (int c = 1; c <= 3; ++c)
            for (int f = 1; f <= 2; ++f)
                kombizahl[s][c][f] = static_cast<std::int16_t>(6 * (s - 1) + 2 * (c - 1) + f);
}

} // namespace ravelin
