// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/distribution_figures.h"
#include "evaluation/grid_counts.h"
#include "evaluation/number_shares.h"

#include "board/board_tables.h"
#include "run/run_helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace ravelin {
namespace {

const BoardTables& board()
{
    static const BoardTables tables = [] {
        BoardTables t;
        t.fill();
        return t;
    }();
    return tables;
}

const NumberShares& shares()
{
    static const NumberShares s(board());
    return s;
}

TEST(NumberSharesTest, TheBoardTablesComposeEveryNumberEquallyOften)
{
    EXPECT_EQ(shares().of(0), 0);
    for (int n = 1; n <= 36; ++n) {
        EXPECT_EQ(shares().triplesComposing(n), 36u * 36 * 36 / 36) << n;
        EXPECT_DOUBLE_EQ(shares().of(n), 1.0 / 36) << n;
    }
    EXPECT_DOUBLE_EQ(shares().pairShare(), 1.0 / 36);
    EXPECT_NEAR(shares().threeShare(), 1.0 / (36 * 36), 1e-15);
    EXPECT_EQ(numbersNeededForTest(shares()), 180u);
}

TEST(NumberSharesTest, DistinctNumbersExpectedInARotation)
{
    struct Case {
        std::uint64_t k;
        double distinct;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{37, 23.3}, Case{38, 23.7}})
        EXPECT_NEAR(shares().expectedDistinct(c.k), c.distinct, 0.05) << c.k;
    EXPECT_NEAR(shares().expectedDistinct(100000), 36, 1e-9);
}

TEST(ChiSquareTest, PValuesOfKnownPoints)
{
    struct Case {
        double chiSquare;
        int df;
        double p;
    };
    for (const Case& c : {Case{35, 35, 0.4682}, Case{49.80, 35, 0.0500}, Case{3.841, 1, 0.0500},
                          Case{6.635, 1, 0.0100}, Case{57.34, 35, 0.0100}, Case{0, 35, 1}})
        EXPECT_NEAR(chiSquarePValue(c.chiSquare, c.df), c.p, 5e-5) << c.chiSquare << " " << c.df;
}

NumberCounts::PerNumber uniform(std::uint64_t each)
{
    NumberCounts::PerNumber counts{};
    for (int n = 1; n <= 36; ++n)
        counts[static_cast<std::size_t>(n)] = each;
    return counts;
}

TEST(ChiSquareTest, NoTestBelowFiveExpectedPerNumber)
{
    NumberCounts::PerNumber counts = uniform(5);
    counts[17] = 4;
    counts[0] = 1000; // the zero is never composed and counts for nothing
    EXPECT_FALSE(chiSquareTest(counts, shares()));

    counts[17] = 5;
    const std::optional<ChiSquareTest> even = chiSquareTest(counts, shares());
    ASSERT_TRUE(even);
    EXPECT_EQ(even->chiSquare, 0);
    EXPECT_DOUBLE_EQ(even->pValue, 1);

    // Two numbers 5 off their 5 expected: 25/5 + 25/5.
    counts[1] = 10;
    counts[2] = 0;
    const std::optional<ChiSquareTest> off = chiSquareTest(counts, shares());
    ASSERT_TRUE(off);
    EXPECT_NEAR(off->chiSquare, 10, 1e-12);
    EXPECT_NEAR(off->pValue, chiSquarePValue(10, 35), 1e-15);
}

TEST(RepeatChancesTest, NumbersWithOneAndTwoBeforeThem)
{
    struct Case {
        std::uint64_t numbers, before;
        RepeatChances chances;
    };
    for (const Case& c :
         {Case{0, 0, {0, 0}}, Case{1, 0, {0, 0}}, Case{2, 0, {1, 0}}, Case{3, 0, {2, 1}},
          Case{1000, 0, {999, 998}}, Case{37, 0, {36, 35}},
          // A later rotation: its first numbers have their predecessors before it.
          Case{38, 37, {38, 38}}, Case{1, 1, {1, 0}}, Case{5, 1, {5, 4}}, Case{0, 40, {0, 0}}}) {
        const RepeatChances got = repeatChances(c.numbers, c.before);
        EXPECT_EQ(got.pairs, c.chances.pairs) << c.numbers << " after " << c.before;
        EXPECT_EQ(got.threes, c.chances.threes) << c.numbers << " after " << c.before;
    }
    EXPECT_NEAR(expectedPairs({999, 998}, shares()), 999.0 / 36, 1e-9);
    EXPECT_NEAR(expectedThrees({999, 998}, shares()), 998.0 / 1296, 1e-9);
}

DistributionFigures withP(std::optional<double> p, std::uint64_t numbers = 500)
{
    DistributionFigures figures;
    figures.numbers = numbers;
    figures.numbersNeededForTest = 180;
    if (p)
        figures.test = ChiSquareTest{30, *p};
    return figures;
}

TEST(VerdictTest, SentencesOfTheVerdict)
{
    struct Case {
        DistributionFigures figures;
        const char* sentence;
    };
    for (const Case& c :
         {Case{withP(0.43),
               "Die H\u00e4ufigkeiten weichen nicht auff\u00e4llig von einer Gleichverteilung ab "
               "(p = 0,430)."},
          Case{withP(0.01),
               "Die H\u00e4ufigkeiten weichen nicht auff\u00e4llig von einer Gleichverteilung ab "
               "(p = 0,0100)."},
          Case{withP(0.00412), "Die H\u00e4ufigkeiten weichen auff\u00e4llig ab (p = 0,00412)."},
          Case{withP(0.0002), "Die H\u00e4ufigkeiten weichen auff\u00e4llig ab (p < 0,001)."},
          Case{withP(std::nullopt, 179),
               "F\u00fcr einen Test sind mindestens 180 Zahlen n\u00f6tig, bisher 179."},
          Case{withP(std::nullopt, 0),
               "F\u00fcr einen Test sind mindestens 180 Zahlen n\u00f6tig, bisher 0."}})
        EXPECT_EQ(verdictText(c.figures), c.sentence);
}

// Composes the numbers in "Einzelschritt", three presses each.
void compose(testing::TestWindow& w, const std::vector<int>& numbers)
{
    w.controller.textanzahlEdited("10000");
    for (int n : numbers) {
        w.spins.addNumber(n);
        testing::press(w, 3);
    }
}

TEST(DistributionFiguresTest, FromTheFrequencyGridOfARun)
{
    testing::TestWindow w;
    compose(w, {7, 7, 7, 9, 36, 36});
    const NumberCounts counts = countsFromGrid(w.form.tabelle1);
    EXPECT_EQ(counts.frequency[7], 3u);
    EXPECT_EQ(counts.twiceInARow[7], 2u);
    EXPECT_EQ(counts.threeInARow[7], 1u);
    EXPECT_EQ(counts.frequency[9], 1u);
    EXPECT_EQ(counts.twiceInARow[36], 1u);
    EXPECT_EQ(total(counts.frequency), 6u);
    EXPECT_EQ(counts.frequency[0], 0u);

    const DistributionFigures f = distributionFigures(counts, repeatChances(6), shares());
    EXPECT_EQ(f.numbers, 6u);
    EXPECT_FALSE(f.test);
    EXPECT_EQ(f.pairs, 3u);
    EXPECT_NEAR(f.expectedPairs, 5.0 / 36, 1e-12);
    EXPECT_EQ(f.threes, 1u);
    EXPECT_NEAR(f.expectedThrees, 4.0 / 1296, 1e-12);
}

TEST(DistributionFiguresTest, CopyTextHasOneFigureALineThenTheCounts)
{
    NumberCounts counts;
    counts.frequency = uniform(1340);
    counts.frequency[1] = 1370;
    counts.frequency[2] = 1310;
    counts.twiceInARow[5] = 40;
    counts.threeInARow[5] = 2;
    const DistributionFigures f = distributionFigures(counts, repeatChances(48240), shares());
    // 48240 numbers, 1340 expected each: 2 * 30^2 / 1340.
    std::string expected = "Zahlen\t48.240\n"
                           "Chi-Quadrat\t1,34\n"
                           "Freiheitsgrade\t35\n"
                           "p-Wert\t1,00\n"
                           "2fach hintereinander\t40\n"
                           "2fach erwartet\t1.340,0\n"
                           "3fach hintereinander\t2\n"
                           "3fach erwartet\t37,2\n"
                           "1\t1.370\n"
                           "2\t1.310\n";
    for (int n = 3; n <= 36; ++n)
        expected += std::to_string(n) + "\t1.340\n";
    EXPECT_EQ(copyText(f), expected);

    // Without a number nothing is figured; below the test's numbers the
    // figure and its degrees of freedom show, the p-value does not.
    const std::string none = copyText(distributionFigures(NumberCounts{}, {}, shares()));
    EXPECT_TRUE(none.starts_with("Zahlen\t0\nChi-Quadrat\t\nFreiheitsgrade\t\np-Wert\t\n"));
    NumberCounts one;
    one.frequency[7] = 1;
    const std::string few = copyText(distributionFigures(one, {}, shares()));
    EXPECT_TRUE(few.starts_with("Zahlen\t1\nChi-Quadrat\t35,00\nFreiheitsgrade\t35\np-Wert\t\n"))
        << few;
}

} // namespace
} // namespace ravelin
