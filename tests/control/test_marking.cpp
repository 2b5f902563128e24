// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/marking.h"
#include "run/run_helpers.h"
#include "support/scripted_platform.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace ravelin {
namespace {

using testing::press;
using testing::TestWindow;

bool marked(const FormModel& form, int n)
{
    return form.tabelle1.colourAt(n, 0) == colour::lightGreen;
}
std::string_view green(const FormModel& form, int n) { return form.tabelle2.textAt(n, 0); }

// Every row outside `expectMarked` is unmarked with an empty green cell.
void expectOnlyMarked(const FormModel& form, const std::set<int>& expectMarked)
{
    for (int n = 0; n <= 36; ++n) {
        if (expectMarked.count(n))
            continue;
        EXPECT_EQ(form.tabelle1.colourAt(n, 0), colour::standard) << "row " << n;
        EXPECT_EQ(green(form, n), "") << "row " << n;
    }
}

class ClickInRow17 : public ::testing::TestWithParam<int> {};

TEST_P(ClickInRow17, TogglesNumber17WhateverTheColumn)
{
    TestWindow w;
    const int col = GetParam();
    w.controller.tabelle1Click(17, col);
    EXPECT_TRUE(marked(w.form, 17));
    EXPECT_EQ(w.form.tabelle1.colourAt(17, 0), 0xC0FFC0u);
    EXPECT_EQ(green(w.form, 17), " ");
    // Only the label cell carries the mark; the clicked count cell stays plain.
    for (int c = 1; c < 4; ++c)
        EXPECT_EQ(w.form.tabelle1.colourAt(17, c), colour::standard);
    EXPECT_EQ(w.form.tabelle1.textAt(17, 0), "17");
    expectOnlyMarked(w.form, {17});
    EXPECT_EQ(w.form.announcement.words(), "17 markiert");

    w.controller.tabelle1Click(17, col);
    expectOnlyMarked(w.form, {});
    EXPECT_EQ(w.form.announcement.words(), "17 nicht markiert");
}

INSTANTIATE_TEST_SUITE_P(AnyColumn, ClickInRow17, ::testing::Values(0, 1, 2, 3));

TEST(MarkingTest, DragTogglesOnlyTheRowWhereTheSelectionEnds)
{
    TestWindow w;
    Marking marking(w.form);
    // A drag from row 3 to row 9: the current cell stays at its start.
    w.form.tabelle1.setRow(3);
    w.form.tabelle1.setCol(2);
    w.form.tabelle1.setSelectionEndRow(9);
    marking.tabelle1Click();
    EXPECT_TRUE(marked(w.form, 9));
    EXPECT_EQ(green(w.form, 9), " ");
    expectOnlyMarked(w.form, {9});
}

TEST(MarkingTest, MarksOfSeveralNumbersAreIndependent)
{
    TestWindow w;
    for (int n : {0, 5, 36})
        w.controller.tabelle1Click(n, 1);
    w.controller.tabelle1Click(5, 3);
    EXPECT_TRUE(marked(w.form, 0));
    EXPECT_TRUE(marked(w.form, 36));
    EXPECT_EQ(green(w.form, 0), " ");
    EXPECT_EQ(green(w.form, 36), " ");
    expectOnlyMarked(w.form, {0, 36});
}

TEST(MarkingTest, SelectionEndOutsideTheNumbersChangesNothing)
{
    TestWindow w;
    Marking marking(w.form);
    for (int row : {-1, 37}) {
        w.form.tabelle1.setSelectionEndRow(row);
        marking.tabelle1Click();
    }
    expectOnlyMarked(w.form, {});
}

TEST(MarkingTest, UnmarkDiscardsARecordedFirstAppearanceAndReMarkArmsAgain)
{
    TestWindow w;
    w.controller.tabelle1Click(12, 0);
    w.form.tabelle2.setTextAt(12, 0, "6"); // as the statistics record it
    w.controller.tabelle1Click(12, 2);
    EXPECT_FALSE(marked(w.form, 12));
    EXPECT_EQ(green(w.form, 12), "");
    w.controller.tabelle1Click(12, 1);
    EXPECT_TRUE(marked(w.form, 12));
    EXPECT_EQ(green(w.form, 12), " ");
}

TEST(MarkingTest, Command1ArmsMarkedRowsAgainAndEmptiesTheOthers)
{
    const struct {
        const char* what;
        std::set<int> marks;
        std::vector<std::pair<int, const char*>> entries; // green cells written before
    } cases[] = {
        {"marks inside the grid", {4, 8, 30}, {{4, "12"}, {30, "57"}, {9, "3"}}},
        {"marks on both ends of the grid", {0, 36}, {{0, "12"}, {36, "57"}, {35, "3"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestWindow w;
        for (int n : c.marks)
            w.controller.tabelle1Click(n, 0);
        // Recorded first appearances, and stray entries on unmarked rows.
        for (const auto& [n, text] : c.entries)
            w.form.tabelle2.setTextAt(n, 0, text);
        w.controller.command1Click();
        EXPECT_EQ(w.form.announcement.words(),
                  "Eintr\u00e4ge des ersten Erscheinens gel\u00f6scht");
        for (int n : c.marks) {
            EXPECT_TRUE(marked(w.form, n)) << n;
            EXPECT_EQ(green(w.form, n), " ") << n;
        }
        expectOnlyMarked(w.form, c.marks);
    }
}

TEST(MarkingTest, ReArmReadsTheMarkFromTheLabelCellOnly)
{
    TestWindow w;
    // A coloured count cell is no mark.
    w.form.tabelle1.setColourAt(7, 2, colour::lightGreen);
    w.form.tabelle1.setColourAt(7, 3, colour::candidateBlue);
    w.form.tabelle1.setColourAt(11, 0, colour::lightGreen);
    rearmGreenGrid(w.form);
    EXPECT_EQ(green(w.form, 7), "");
    EXPECT_EQ(green(w.form, 11), " ");
    EXPECT_EQ(w.form.tabelle1.col(), 0);
    EXPECT_EQ(w.form.tabelle2.col(), 0);
}

TEST(MarkingTest, OkresetlClearsEveryMarkAndEveryGreenCell)
{
    TestWindow w;
    for (int n : {0, 3, 17, 36})
        w.controller.tabelle1Click(n, 0);
    w.form.tabelle2.setTextAt(17, 0, "21");
    w.controller.okresetlClick();
    expectOnlyMarked(w.form, {});
    EXPECT_EQ(w.form.announcement.words(), "Markierungen gel\u00f6scht");
    // The number labels stay.
    for (int n = 0; n <= 36; ++n)
        EXPECT_EQ(w.form.tabelle1.textAt(n, 0), std::to_string(n));
}

// Composes the numbers one triple per three presses, in "Einzelschritt",
// so that the n-th number of the run completes at spin position 3n.
void compose(TestWindow& w, std::initializer_list<int> numbers)
{
    for (int n : numbers) {
        w.spins.addNumber(n);
        press(w, 3);
    }
}

TEST(MarkingInARunTest, NumberZeroStaysArmedThroughARun)
{
    TestWindow w;
    w.controller.tabelle1Click(0, 0);
    w.controller.tabelle1Click(1, 0);
    w.controller.textanzahlEdited("12");
    // A spun zero is passed over, never composed.
    w.spins.add({0, 0});
    compose(w, {1, 36, 13, 2});
    testing::pressUntilEnd(w);
    EXPECT_TRUE(marked(w.form, 0));
    EXPECT_EQ(green(w.form, 0), " ");
    EXPECT_EQ(green(w.form, 1), "5"); // the two zeros count as positions
}

TEST(MarkingInARunTest, UnmarkedAndMarkedAgainRecordsTheNextComposition)
{
    TestWindow w;
    w.controller.textanzahlEdited("100");
    w.controller.tabelle1Click(9, 1);
    compose(w, {9});
    ASSERT_EQ(green(w.form, 9), "3");
    w.controller.tabelle1Click(9, 1);
    EXPECT_EQ(green(w.form, 9), "");
    compose(w, {9});
    EXPECT_EQ(green(w.form, 9), ""); // not marked: nothing recorded
    w.controller.tabelle1Click(9, 3);
    EXPECT_EQ(green(w.form, 9), " ");
    compose(w, {5, 9});
    EXPECT_EQ(green(w.form, 9), "12");
}

TEST(MarkingInARunTest, NumberMarkedBetweenPressesIsArmedAtOnce)
{
    TestWindow w;
    w.controller.textanzahlEdited("100");
    compose(w, {14});
    w.spins.addNumber(14);
    press(w, 2);
    w.controller.tabelle1Click(14, 2);
    press(w);
    EXPECT_EQ(green(w.form, 14), "6");
}

TEST(MarkingInARunTest, Command1AfterARunArmsEveryMarkAgain)
{
    TestWindow w;
    for (int n : {4, 8, 20})
        w.controller.tabelle1Click(n, 0);
    w.controller.textanzahlEdited("9");
    compose(w, {4, 30, 20});
    testing::pressUntilEnd(w);
    ASSERT_FALSE(w.form.okstart.enabled());
    ASSERT_EQ(green(w.form, 4), "3");
    ASSERT_EQ(green(w.form, 20), "9");

    w.controller.command1Click();
    for (int n : {4, 8, 20}) {
        EXPECT_TRUE(marked(w.form, n)) << n;
        EXPECT_EQ(green(w.form, n), " ") << n;
    }
    expectOnlyMarked(w.form, {4, 8, 20});
    // The counts of the run are no concern of the green grid.
    EXPECT_EQ(w.form.tabelle1.textAt(30, 1), "1");
}

TEST(MarkingInARunTest, OkresetlDuringARunStopsAllRecording)
{
    TestWindow w;
    for (int n : {7, 11})
        w.controller.tabelle1Click(n, 0);
    w.controller.textanzahlEdited("100");
    compose(w, {11});
    ASSERT_EQ(green(w.form, 11), "3");
    w.controller.okresetlClick();
    compose(w, {7, 11, 7});
    expectOnlyMarked(w.form, {});
    EXPECT_EQ(w.form.tabelle1.textAt(7, 1), "2");
}

} // namespace
} // namespace ravelin
