// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace ravelin {

// The parts of a triple, as the log's columns 1 to 3 hold them.
enum class TriplePart { sixGroup = 1, column = 2, colour = 3 };

// A log cell in words, as a reader says it: "14/3" of the first press is
// "14, Sechser 3"; the colour's cell names the composed number too:
// "5, Farbe 1, Zahl 15".
std::string logCellWords(TriplePart part, int spin, int contribution);
std::string colourCellWords(int spin, int colour, int composed);

// What the end of a run says.
inline constexpr std::string_view runEndWord = "Ende";

// A run pressed through at once says only where it stopped and how many
// numbers it has composed: "Ende, 100 Zahlen".
std::string runSummaryWords(std::string_view stoppedAt, int composed);

} // namespace ravelin
