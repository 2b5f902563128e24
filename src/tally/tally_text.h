// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tally/permanence_tally.h"

#include <array>
#include <cstddef>
#include <string>

namespace ravelin {

struct DistributionFigures;

// The list of files below the figures: one row a file, its columns in this order.
namespace tallycolumn {
inline constexpr std::size_t fileName = 0;
inline constexpr std::size_t spins = 1;
inline constexpr std::size_t numbers = 2;
inline constexpr std::size_t outcome = 3;
} // namespace tallycolumn
inline constexpr std::array<const char*, 4> tallyHeadings{"Datei", "W\u00fcrfe", "Zahlen",
                                                          "Ergebnis"};

// One cell of the list, numbers in German form.
std::string tallyCell(const TallyRow& row, std::size_t column);
// Whether a column holds counts, which line up on the right.
constexpr bool holdsCounts(std::size_t column)
{
    return column == tallycolumn::spins || column == tallycolumn::numbers;
}

// What the distribution shows as its source: "365 Permanenzen, 48.211 Zahlen",
// counting the files that were read.
std::string tallySource(const TallyResult& tally);

// The figures as the run's copy gives them, then a blank line and the list of
// files, tab-separated under its headings.
std::string tallyCopyText(const TallyResult& tally, const DistributionFigures& figures);

} // namespace ravelin
