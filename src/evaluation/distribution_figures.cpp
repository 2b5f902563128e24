// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/distribution_figures.h"

#include "evaluation/number_shares.h"
#include "text/german_number.h"

#include <utility>
#include <vector>

namespace ravelin {

namespace {

constexpr int chiSquareDecimals = 2;
constexpr int expectedDecimals = 1;

// "= 0,430" or "< 0,001", as the verdict puts the p-value.
std::string pValueClause(double p)
{
    const std::string shown = germanProbability(p);
    return "p " + (shown.starts_with('<') ? shown : "= " + shown);
}

} // namespace

DistributionFigures distributionFigures(const NumberCounts& counts, const RepeatChances& chances,
                                        const NumberShares& shares)
{
    DistributionFigures figures;
    figures.counts = counts.frequency;
    figures.counts[0] = 0;
    figures.numbers = total(figures.counts);
    figures.numbersNeededForTest = numbersNeededForTest(shares);
    figures.chiSquare = chiSquare(figures.counts, shares);
    figures.test = chiSquareTest(figures.counts, shares);
    figures.pairs = total(counts.twiceInARow);
    figures.expectedPairs = expectedPairs(chances, shares);
    figures.threes = total(counts.threeInARow);
    figures.expectedThrees = expectedThrees(chances, shares);
    return figures;
}

std::string verdictText(const DistributionFigures& figures)
{
    if (!figures.test)
        return "F\u00fcr einen Test sind mindestens " + germanCount(figures.numbersNeededForTest) +
               " Zahlen n\u00f6tig, bisher " + germanCount(figures.numbers) + ".";
    const double p = figures.test->pValue;
    if (p < conspicuousBelow)
        return "Die H\u00e4ufigkeiten weichen auff\u00e4llig ab (" + pValueClause(p) + ").";
    return "Die H\u00e4ufigkeiten weichen nicht auff\u00e4llig von einer Gleichverteilung ab (" +
           pValueClause(p) + ").";
}

std::string copyText(const DistributionFigures& figures)
{
    const std::optional<ChiSquareTest>& test = figures.test;
    const std::vector<std::pair<const char*, std::string>> lines{
        {"Zahlen", germanCount(figures.numbers)},
        {"Chi-Quadrat",
         figures.chiSquare ? germanDecimal(*figures.chiSquare, chiSquareDecimals) : ""},
        {"Freiheitsgrade", figures.chiSquare ? germanCount(chiSquareDegreesOfFreedom) : ""},
        {"p-Wert", test ? germanProbability(test->pValue) : ""},
        {"2fach hintereinander", germanCount(figures.pairs)},
        {"2fach erwartet", germanDecimal(figures.expectedPairs, expectedDecimals)},
        {"3fach hintereinander", germanCount(figures.threes)},
        {"3fach erwartet", germanDecimal(figures.expectedThrees, expectedDecimals)},
    };
    std::string text;
    for (const auto& [name, value] : lines)
        text += std::string(name) + '\t' + value + '\n';
    for (int n = 1; n <= wheel::lastNumber; ++n)
        text += std::to_string(n) + '\t' +
                germanCount(figures.counts[static_cast<std::size_t>(n)]) + '\n';
    return text;
}

} // namespace ravelin
