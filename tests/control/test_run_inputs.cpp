// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/change_spy.h"
#include "support/scripted_platform.h"
#include "window/run_mode.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace ravelin {
namespace {

using testing::ChangeSpy;
using testing::TestWindow;

// Counts how often a text box's change handling runs, as long as the spy lives.
std::unique_ptr<ChangeSpy> countChanges(FormModel& form, const TextBox& box, int& calls)
{
    auto spy = std::make_unique<ChangeSpy>(form);
    const auto counted = &box == &form.textanzahl ? ChangeSpy::textanzahl : ChangeSpy::haltbei;
    spy->before = [&calls, counted](ChangeSpy::Change change) {
        if (change == counted)
            ++calls;
    };
    return spy;
}

struct CountCase {
    const char* typed;
    const char* shown; // text left in the box
    bool startEnabled;
    double wurfanzahl; // 50 was entered before
    int changeRuns;    // how often the change handling ran for this text
};

class SpinCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(SpinCountTest, StoresPositiveCountsAndEmptiesTheRest)
{
    const CountCase& c = GetParam();
    TestWindow w;
    w.controller.textanzahlEdited("50");
    int runs = 0;
    const auto spy = countChanges(w.form, w.form.textanzahl, runs);

    w.controller.textanzahlEdited(c.typed);

    EXPECT_EQ(w.form.textanzahl.text(), c.shown);
    EXPECT_EQ(w.form.okstart.enabled(), c.startEnabled);
    EXPECT_DOUBLE_EQ(w.form.state.wurfanzahl, c.wurfanzahl);
    EXPECT_EQ(runs, c.changeRuns);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SpinCountTest,
    ::testing::Values(CountCase{"120abc", "120abc", true, 120, 1},
                      CountCase{"2.5", "2.5", true, 2.5, 1}, CountCase{"2,5", "2,5", true, 2, 1},
                      CountCase{"1E3", "1E3", true, 1000, 1},
                      // Not positive: emptied, and the emptying runs the handling once more.
                      CountCase{"0", "", false, 50, 2}, CountCase{"00", "", false, 50, 2},
                      CountCase{"-5", "", false, 50, 2}, CountCase{"abc", "", false, 50, 2},
                      CountCase{" ", "", false, 50, 2}, CountCase{".", "", false, 50, 2},
                      CountCase{"&H10", "", false, 50, 2}, CountCase{"1E999", "", false, 50, 2},
                      // Emptying an already empty box is no change at all.
                      CountCase{"", "", false, 50, 1}));

TEST(SpinCountTyping, FirstCharacterThatStaysIsADigitOneToNine)
{
    TestWindow w;
    for (const char* typed : {"0", "-", "+", ".", " ", "x"}) {
        w.controller.textanzahlEdited(typed);
        EXPECT_EQ(w.form.textanzahl.text(), "") << typed;
    }
    w.controller.textanzahlEdited("1");
    w.controller.textanzahlEdited("10");
    w.controller.textanzahlEdited("100");
    EXPECT_TRUE(w.form.okstart.enabled());
    EXPECT_DOUBLE_EQ(w.form.state.wurfanzahl, 100);

    // Deleting the 1 of 100 leaves 00, which reads 0: the box empties.
    w.controller.textanzahlEdited("00");
    EXPECT_EQ(w.form.textanzahl.text(), "");
    EXPECT_FALSE(w.form.okstart.enabled());
    EXPECT_DOUBLE_EQ(w.form.state.wurfanzahl, 100);
}

TEST(HaltSpinTest, StoresPositiveHaltSpinsAndKeepsTheLastOne)
{
    TestWindow w;
    w.controller.option1Click(runmode::haltBeiWurf);
    int runs = 0;
    const auto spy = countChanges(w.form, w.form.haltbei, runs);

    w.controller.haltbeiEdited("10x");
    EXPECT_EQ(w.form.haltbei.text(), "10x");
    EXPECT_DOUBLE_EQ(w.form.state.haltwurf, 10);
    EXPECT_EQ(runs, 1);

    for (const char* typed : {"0", "-3", "abc", "1E999"}) {
        runs = 0;
        w.controller.haltbeiEdited(typed);
        EXPECT_EQ(w.form.haltbei.text(), "") << typed;
        EXPECT_DOUBLE_EQ(w.form.state.haltwurf, 10) << typed;
        EXPECT_EQ(runs, 2) << typed;
    }
    w.controller.haltbeiEdited("12.5");
    EXPECT_DOUBLE_EQ(w.form.state.haltwurf, 12.5);
}

TEST(RunModeChoiceTest, HaltBoxIsUsableOnlyWhileHaltBeiWurfIsSelected)
{
    TestWindow w;
    TextBox& haltbei = w.form.haltbei;

    w.controller.option1Click(runmode::haltBeiWurf);
    EXPECT_TRUE(haltbei.enabled());
    EXPECT_EQ(haltbei.backColour(), colour::white);
    w.controller.haltbeiEdited("30");

    // Leaving the mode empties the box, but the halt spin stays in the session.
    int runs = 0;
    const auto spy = countChanges(w.form, haltbei, runs);
    w.controller.option1Click(runmode::durchlauf);
    EXPECT_FALSE(haltbei.enabled());
    EXPECT_EQ(haltbei.backColour(), colour::lightGrey);
    EXPECT_EQ(haltbei.text(), "");
    EXPECT_EQ(runs, 1);
    EXPECT_DOUBLE_EQ(w.form.state.haltwurf, 30);

    // Coming back shows an empty, usable box.
    w.controller.option1Click(runmode::haltBeiWurf);
    EXPECT_TRUE(haltbei.enabled());
    EXPECT_EQ(haltbei.backColour(), colour::white);
    EXPECT_EQ(haltbei.text(), "");
    EXPECT_DOUBLE_EQ(w.form.state.haltwurf, 30);
}

struct RotationCase {
    double wurfanzahl;
    double wurfnummer;
    int selectedAfter;
};

class RotationChoiceTest : public ::testing::TestWithParam<RotationCase> {};

TEST_P(RotationChoiceTest, NeedsThirtySevenSpinsStillToCome)
{
    const RotationCase& c = GetParam();
    TestWindow w;
    w.form.state.wurfanzahl = c.wurfanzahl;
    w.form.state.wurfnummer = c.wurfnummer;
    // Coming from "Halt bei Wurf.." with a text in the box.
    w.controller.option1Click(runmode::haltBeiWurf);
    w.controller.haltbeiEdited("5");

    w.controller.option1Click(runmode::rotation37);

    EXPECT_EQ(w.form.Option1.selected(), c.selectedAfter);
    EXPECT_FALSE(w.form.haltbei.enabled());
    EXPECT_EQ(w.form.haltbei.text(), "");
    EXPECT_EQ(w.form.haltbei.backColour(), colour::lightGrey);
}

INSTANTIATE_TEST_SUITE_P(Remaining, RotationChoiceTest,
                         ::testing::Values(RotationCase{0, 0, runmode::einzelschritt},
                                           RotationCase{36, 0, runmode::einzelschritt},
                                           RotationCase{36.9, 0, runmode::einzelschritt},
                                           RotationCase{37, 0, runmode::rotation37},
                                           RotationCase{100, 64, runmode::einzelschritt},
                                           RotationCase{100, 63, runmode::rotation37}));

TEST(RunModeChoiceTest, SpinCountTypedDuringARunCountsAtOnce)
{
    TestWindow w;
    w.form.state.wurfnummer = 20;
    w.controller.textanzahlEdited("56");
    w.controller.option1Click(runmode::rotation37);
    EXPECT_EQ(w.form.Option1.selected(), runmode::einzelschritt);
    w.controller.textanzahlEdited("57");
    w.controller.option1Click(runmode::rotation37);
    EXPECT_EQ(w.form.Option1.selected(), runmode::rotation37);
}

} // namespace
} // namespace ravelin
