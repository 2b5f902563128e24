// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/permanence_items.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

// What a permanence file of the casino holds.
struct Permanence {
    std::array<std::string, 3> headerLines; // the three shown header items, UTF-8
    std::vector<double> spins;              // the spin values in file order, as read
};

// A file that is no permanence is told by its first item; this much of the
// file at most is read to settle it, whatever the file's size.
constexpr std::size_t firstItemWindow = std::size_t{64} * 1024;
// A header item is shown from this many of its bytes at most.
constexpr std::size_t headerItemKept = std::size_t{4} * 1024;
// A spin item is read from this many of its bytes at most, blanks not
// counted: more than any number a double tells apart needs.
constexpr std::size_t spinItemKept = std::size_t{4} * 1024;

// Reads a permanence file block by block, twice: once to count its spins
// and once to store them. Nothing is returned for an empty file, for one
// whose first item does not begin with "Spielbank" or does not end within
// `firstItemWindow` bytes, for one that ends before its four header items,
// for one whose reading fails, and for one whose header or number of spins
// changed between the two readings. The memory taken is in proportion to the
// spins, not to the file.
//
// The list of spins can be made the session's slots as it is: it opens with
// `room.before` zeros and has room for `room.after` more values.
struct Room {
    std::size_t before = 0;
    std::size_t after = 0;
};
// Opens the file for one reading, from its start.
using OpenPass = std::function<PermanenceItems::Source()>;
std::optional<Permanence> readPermanence(const OpenPass& open, Room room = {});

// The same over bytes in memory.
std::optional<Permanence> readPermanence(std::string_view bytes, Room room = {});

} // namespace ravelin
