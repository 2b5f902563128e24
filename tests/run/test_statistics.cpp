// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/run_helpers.h"

#include "window/run_mode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ravelin {
namespace {

using testing::countText;
using testing::press;
using testing::TestWindow;

constexpr int frequency = 1;
constexpr int twice = 2;
constexpr int threeTimes = 3;

// Composes the numbers one triple per three presses, in "Einzelschritt".
void compose(TestWindow& w, const std::vector<int>& numbers)
{
    for (int n : numbers) {
        w.spins.addNumber(n);
        press(w, 3);
    }
}

TestWindow& started(TestWindow& w)
{
    w.controller.textanzahlEdited("1000");
    return w;
}

struct RepeatCase {
    int k; // equal numbers in a row
    const char* label13;
    const char* label14;
};

class EqualNumbersInARowTest : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(EqualNumbersInARowTest, CountPairsAndThreesOverlapping)
{
    const RepeatCase& c = GetParam();
    TestWindow w;
    started(w);
    compose(w, std::vector<int>(static_cast<std::size_t>(c.k), 23));
    const FormModel& f = w.form;
    EXPECT_EQ(f.tabelle1.textAt(23, frequency), countText(c.k));
    EXPECT_EQ(f.tabelle1.textAt(23, twice), countText(c.k - 1));
    EXPECT_EQ(f.tabelle1.textAt(23, threeTimes), countText(c.k >= 2 ? c.k - 2 : 0));
    EXPECT_EQ(f.Label13.caption(), c.label13);
    EXPECT_EQ(f.Label14.caption(), c.label14);
    EXPECT_EQ(f.Label11.caption(), c.k >= 2 ? "2" : "");
}

INSTANTIATE_TEST_SUITE_P(Runs, EqualNumbersInARowTest,
                         ::testing::Values(RepeatCase{1, "", ""}, RepeatCase{2, "2", ""},
                                           RepeatCase{3, "2", "3"}, RepeatCase{4, "2", "3"},
                                           RepeatCase{12, "2", "3"}, RepeatCase{101, "2", "3"}));

TEST(StatisticsTest, ADifferentNumberClosesThePairWithoutCounting)
{
    TestWindow w;
    started(w);
    compose(w, {7, 7, 9});
    const FormModel& f = w.form;
    EXPECT_EQ(f.tabelle1.textAt(7, twice), "1");
    EXPECT_EQ(f.state.paarstatus, SessionState::none);
    for (int n = 0; n <= 36; ++n)
        EXPECT_EQ(f.tabelle1.textAt(n, threeTimes), "") << n;
    EXPECT_EQ(f.tabelle1.textAt(9, twice), "");
    EXPECT_EQ(f.Label14.caption(), "");

    // The 7 after the 9 is no third in a row.
    compose(w, {7});
    EXPECT_EQ(f.tabelle1.textAt(7, threeTimes), "");
    EXPECT_EQ(f.tabelle1.textAt(7, twice), "1");
    EXPECT_EQ(f.tabelle1.textAt(7, frequency), "3");
}

TEST(StatisticsTest, OnlyConsecutiveNumbersArePairs)
{
    TestWindow w;
    started(w);
    compose(w, {7, 9, 7});
    const FormModel& f = w.form;
    for (int n = 0; n <= 36; ++n)
        EXPECT_EQ(f.tabelle1.textAt(n, twice), "") << n;
    EXPECT_EQ(f.Label13.caption(), "");
    EXPECT_EQ(f.tabelle1.textAt(7, frequency), "2");
    EXPECT_EQ(f.Label11.caption(), "3");
}

TEST(StatisticsTest, FirstSecondAppearanceIsWrittenOnce)
{
    TestWindow w;
    started(w);
    compose(w, {1, 2, 3, 1});
    EXPECT_EQ(w.form.Label11.caption(), "4");
    // 1 reaching 3 and 2 reaching 2 later change nothing.
    compose(w, {1, 2});
    EXPECT_EQ(w.form.Label11.caption(), "4");
    EXPECT_EQ(w.form.tabelle1.textAt(1, frequency), "3");
    EXPECT_EQ(w.form.tabelle1.textAt(2, frequency), "2");
}

TEST(StatisticsTest, LaterPairsAndThreesLeaveTheFirstOnes)
{
    TestWindow w;
    started(w);
    compose(w, {4, 4, 4, 8, 8, 8});
    EXPECT_EQ(w.form.Label13.caption(), "2");
    EXPECT_EQ(w.form.Label14.caption(), "3");
    EXPECT_EQ(w.form.tabelle1.textAt(8, twice), "2");
    EXPECT_EQ(w.form.tabelle1.textAt(8, threeTimes), "1");
}

TEST(StatisticsTest, MarkedNumberRecordsItsFirstSpinPosition)
{
    TestWindow w;
    started(w);
    compose(w, {15});
    // Marked between presses: armed at once.
    w.controller.tabelle1Click(15, 0);
    ASSERT_EQ(w.form.tabelle2.textAt(15, 0), " ");
    compose(w, {15});
    EXPECT_EQ(w.form.tabelle2.textAt(15, 0), "6");
    EXPECT_EQ(w.form.Label13.caption(), "2");

    // Recorded once only; an unmarked number gets no entry.
    compose(w, {15, 20});
    EXPECT_EQ(w.form.tabelle2.textAt(15, 0), "6");
    EXPECT_EQ(w.form.tabelle2.textAt(20, 0), "");
}

TEST(StatisticsTest, MarkedNumberRecordsThePositionCountingZeros)
{
    TestWindow w;
    started(w);
    w.controller.tabelle1Click(12, 2);
    w.spins.add({0, 0});
    compose(w, {12});
    EXPECT_EQ(w.form.tabelle2.textAt(12, 0), "5");
}

TEST(StatisticsTest, RotationRecordsTheTripleWithinTheRotation)
{
    TestWindow w;
    started(w);
    w.controller.option1Click(runmode::rotation37);
    ASSERT_TRUE(w.form.Option1.isSelected(runmode::rotation37));
    w.form.state.rotwurf = 20;
    w.controller.tabelle1Click(9, 0);
    compose(w, {9});
    EXPECT_EQ(w.form.tabelle2.textAt(9, 0), "21");
}

TEST(StatisticsTest, FirstNumberAfterARestartIsNoRepeat)
{
    TestWindow w;
    started(w);
    compose(w, {7});
    w.controller.okabbrechenClick();
    ASSERT_EQ(w.form.state.kombiwurf, 0);
    started(w);
    compose(w, {7});
    EXPECT_EQ(w.form.tabelle1.textAt(7, twice), "");
    EXPECT_EQ(w.form.tabelle1.textAt(7, frequency), "1");
    EXPECT_EQ(w.form.Label13.caption(), "");
}

} // namespace
} // namespace ravelin
