// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ravelin {

// The layout of the single-zero board for the numbers 1..36. Index 0 is the
// zero and 37 a spare slot; both hold 0 in every table.
struct BoardTables {
    std::array<std::int16_t, 38> farbe{};   // 1 red, 2 black
    std::array<std::int16_t, 38> kolonne{}; // column 1..3
    std::array<std::int16_t, 38> sechser{}; // six-number group 1..6
    // kombizahl[s][c][f]: the number composed from group s, column c, colour f.
    std::array<std::array<std::array<std::int16_t, 3>, 4>, 38> kombizahl{};

    void fill();

    // The number composed from the group, column and colour of a triple.
    std::int16_t number(std::int16_t group, std::int16_t column, std::int16_t colour) const
    {
        return kombizahl[static_cast<std::size_t>(group)][static_cast<std::size_t>(column)]
                        [static_cast<std::size_t>(colour)];
    }
    // The number three valid spins compose: the group of the first, the
    // column of the second and the colour of the third.
    std::int16_t compose(std::int16_t first, std::int16_t second, std::int16_t third) const
    {
        return number(sechser[static_cast<std::size_t>(first)],
                      kolonne[static_cast<std::size_t>(second)],
                      farbe[static_cast<std::size_t>(third)]);
    }
};

} // namespace ravelin
