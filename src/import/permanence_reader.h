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

// What one reading found a file to be.
enum class PermanenceStatus {
    read,         // a permanence: its header, then its spins
    noPermanence, // its first item does not begin with "Spielbank" or does not
                  // end within `firstItemWindow` bytes
    unreadable,   // it cannot be opened, its reading failed, or NUL bytes stand
                  // where its header should be: a binary file
    empty,        // no byte at all, or it ends before its four header items
};

// One reading of a permanence file from its start: the header, then the spin
// items one at a time, so that a file of any size is read in the memory of
// one block. Every reading of a permanence goes through here.
class PermanenceStream {
public:
    explicit PermanenceStream(PermanenceItems::Source source);
    PermanenceStream(const PermanenceStream&) = delete;
    PermanenceStream& operator=(const PermanenceStream&) = delete;

    // Reads the four header items; `read` when the file is a permanence, and
    // then the spins may be asked for.
    PermanenceStatus readHeader();
    // The three shown header items, UTF-8.
    const std::array<std::string, 3>& headerLines() const { return headerLines_; }

    // The text of the next spin item, valid until the next call; none after
    // the last, and none at all unless the header read as a permanence's.
    // An item that begins with "-" is a separator and passed over; one that
    // begins with "=" ends the spins.
    std::optional<std::string_view> nextSpin()
    {
        while (!ended_ && !items_.atEnd()) {
            const std::optional<char> first = items_.next(spinItemKept, true);
            if (first == '-')
                continue;
            if (first == '=')
                break;
            return items_.text();
        }
        ended_ = true;
        return std::nullopt;
    }
    // Reading failed on the way: the spins given were not all of the file's.
    bool failed() const { return items_.failed(); }

private:
    // Only the file's first block is looked at for NUL bytes.
    bool watchingForNul_ = true;
    bool sawNul_ = false;
    bool ended_ = true; // until the header is read as a permanence's
    std::array<std::string, 3> headerLines_;
    PermanenceItems items_;
};

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
