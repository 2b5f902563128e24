// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "evaluation/number_counts.h"
#include "evaluation/repeat_chances.h"
#include "import/permanence_reader.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

class FileSystem;

// One file of a tally. A file that is no permanence, cannot be read to its
// end or holds no spin adds nothing, and shows 0 spins and numbers.
struct TallyRow {
    std::string path;
    std::string name;          // the file's name, without its folder
    std::uint64_t spins = 0;   // spin items read, zeros and values off the wheel included
    std::uint64_t numbers = 0; // numbers composed
    // `read`, or why the file added nothing; `empty` too for a permanence
    // without spins.
    PermanenceStatus status = PermanenceStatus::read;
};

// The status as the list of files names it.
std::string_view statusLabel(PermanenceStatus status);

struct TallyResult {
    std::vector<TallyRow> rows; // in the order of the names; only the files done when cancelled
    NumberCounts counts;        // over every file read
    RepeatChances chances;      // the chances of repeats within the files
    bool cancelled = false;
};

struct TallyHooks {
    // Before each file: its place among `count` files in the order of the names.
    std::function<void(std::size_t index, std::size_t count, const std::string& path)> progress;
    // Asked between files and after every block read; true ends the tally at
    // once, and the file then being read adds nothing.
    std::function<bool()> cancelled;
};

// Reads the permanence files at `paths` one after the other, each spin by
// spin as the import reads it, and counts the numbers their spins compose
// as a run in "Einzelschritt" does, one file at a time: no triple and no
// repeat spans two files. Keeps no file's spins and shares nothing with a
// session, so it may run beside the window on a thread of its own.
TallyResult tallyPermanences(FileSystem& files, std::vector<std::string> paths,
                             const TallyHooks& hooks = {});

} // namespace ravelin
