// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/press_words.h"

#include "text/plain_number.h"

#include <array>
#include <cstddef>

namespace ravelin {

namespace {

// What each part of a triple is called, by its log column.
constexpr std::array<std::string_view, 4> partNames = {"", "Sechser", "Kolonne", "Farbe"};

void append(std::string& words, std::string_view name, int value)
{
    words += ", ";
    words += name;
    words += ' ';
    words += PlainNumber(value).text();
}

} // namespace

std::string logCellWords(TriplePart part, int spin, int contribution)
{
    std::string words(PlainNumber(spin).text());
    append(words, partNames.at(static_cast<std::size_t>(part)), contribution);
    return words;
}

std::string colourCellWords(int spin, int colour, int composed)
{
    std::string words = logCellWords(TriplePart::colour, spin, colour);
    append(words, "Zahl", composed);
    return words;
}

std::string runSummaryWords(std::string_view stoppedAt, int composed)
{
    std::string words(stoppedAt);
    words += ", ";
    words += PlainNumber(composed).text();
    words += composed == 1 ? " Zahl" : " Zahlen";
    return words;
}

} // namespace ravelin
