// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
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
};

} // namespace ravelin
