// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally/tally_text.h"

#include "evaluation/distribution_figures.h"
#include "text/german_number.h"

#include <algorithm>

namespace ravelin {

std::string tallyCell(const TallyRow& row, std::size_t column)
{
    switch (column) {
    case tallycolumn::fileName:
        return row.name;
    case tallycolumn::spins:
        return germanCount(row.spins);
    case tallycolumn::numbers:
        return germanCount(row.numbers);
    default:
        return std::string(statusLabel(row.status));
    }
}

std::string tallySource(const TallyResult& tally)
{
    const auto read = static_cast<std::uint64_t>(
        std::count_if(tally.rows.begin(), tally.rows.end(),
                      [](const TallyRow& row) { return row.status == PermanenceStatus::read; }));
    const std::uint64_t numbers = total(tally.counts.frequency);
    return germanCount(read) + (read == 1 ? " Permanenz, " : " Permanenzen, ") +
           germanCount(numbers) + (numbers == 1 ? " Zahl" : " Zahlen");
}

std::string tallyCopyText(const TallyResult& tally, const DistributionFigures& figures)
{
    std::string text = copyText(figures) + '\n';
    const auto line = [&text](const auto& cellOf) {
        for (std::size_t column = 0; column < tallyHeadings.size(); ++column)
            text += (column ? "\t" : "") + cellOf(column);
        text += '\n';
    };
    line([](std::size_t column) { return std::string(tallyHeadings[column]); });
    for (const TallyRow& row : tally.rows)
        line([&row](std::size_t column) { return tallyCell(row, column); });
    return text;
}

} // namespace ravelin
