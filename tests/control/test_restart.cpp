// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/run_helpers.h"
#include "support/change_spy.h"
#include "support/scripted_platform.h"
#include "support/set_back_expectations.h"
#include "window/guidance_text.h"
#include "window/run_mode.h"

#include <gtest/gtest.h>

namespace ravelin {
namespace {

using testing::press;
using testing::TestWindow;

const char* const prompt = "Abbruch bitte best\u00e4tigen !     ";

// A window as a run leaves it part-way: counters, counts, colours, log,
// labels and buttons all moved away from the set-up state.
void dirty(TestWindow& w)
{
    FormModel& f = w.form;
    SessionState& s = f.state;
    s.wurfnummer = 14;
    s.wurfanzahl = 40;
    s.importmodus = 1;
    s.kombiwurf = 4;
    s.schritt = 2;
    s.vorzahl = 9;
    s.paarzahl = 9;
    s.paarstatus = 1;
    s.doppeltgesehen = 1;
    s.paargesehen = 1;
    s.dreifachgesehen = 1;
    s.rotzaehler = 4;
    s.rotationen = 2;
    s.rotwurf = 5;
    s.haltwurf = 25;
    s.permanenz = {0, 17, 4, 33};
    s.importanzahl = 3;
    s.zahl = 9;
    for (int n : {9, 22}) {
        f.tabelle1.setTextAt(n, 1, "2");
        f.tabelle1.setTextAt(n, 2, "1");
        f.tabelle1.setTextAt(n, 3, "1");
        f.tabelle1.setColourAt(n, 2, colour::candidateBlue);
        f.tabelle1.setColourAt(n, 3, colour::candidateBlue);
    }
    for (int r = 0; r < 30; ++r)
        for (int c = 0; c < 4; ++c)
            f.tabelle3.setTextAt(r, c, "x");
    f.tabelle3.setTopRow(6);
    for (Label* l :
         {&f.lakut, &f.lzahl, &f.Lreal, &f.Label11, &f.Lrotat, &f.Label13, &f.Label14, &f.Label15})
        l->setCaption("7");
    f.text.setCaption("Spielbank Hamburg\rTisch 3\r01.02.2003");
    f.okextern.setEnabled(false);
    f.okstart.setCaption("Weiter");
    f.okstart.setEnabled(true);
    f.okstart.setBackColour(colour::startRed);
    f.okabbrechen.setEnabled(true);
}

TEST(RestartTest, AsksWithTheAbortQuestion)
{
    TestWindow w;
    w.confirmation.answers = {false};
    w.controller.okabbrechenClick();
    ASSERT_EQ(w.confirmation.prompts.size(), 1u);
    EXPECT_EQ(w.confirmation.prompts[0], prompt);
    EXPECT_EQ(w.confirmation.titles[0], " Abbruch");
}

TEST(RestartTest, NoLeavesEverythingAsItWas)
{
    TestWindow w;
    dirty(w);
    w.form.setTextanzahl("40");
    const SessionState before = w.form.state;
    w.confirmation.answers = {false};
    w.controller.okabbrechenClick();

    const SessionState& s = w.form.state;
    EXPECT_EQ(s.wurfnummer, before.wurfnummer);
    EXPECT_EQ(s.wurfanzahl, before.wurfanzahl);
    EXPECT_EQ(s.importmodus, 1);
    EXPECT_EQ(s.schritt, 2);
    EXPECT_EQ(s.kombiwurf, 4);
    EXPECT_EQ(s.vorzahl, 9);
    EXPECT_EQ(s.rotationen, 2);
    EXPECT_EQ(w.form.tabelle1.textAt(9, 1), "2");
    EXPECT_EQ(w.form.tabelle1.colourAt(22, 3), colour::candidateBlue);
    EXPECT_EQ(w.form.tabelle3.textAt(29, 3), "x");
    EXPECT_EQ(w.form.tabelle3.topRow(), 6);
    EXPECT_EQ(w.form.Label15.caption(), "7");
    EXPECT_EQ(w.form.okstart.caption(), "Weiter");
    EXPECT_EQ(w.form.okstart.backColour(), colour::startRed);
    EXPECT_TRUE(w.form.okabbrechen.enabled());
    EXPECT_FALSE(w.form.okextern.enabled());
    EXPECT_EQ(w.form.textanzahl.text(), "40");
    EXPECT_EQ(w.form.text.caption(), "Spielbank Hamburg\rTisch 3\r01.02.2003");
}

TEST(RestartTest, YesSetsTheSessionBackAndKeepsTheInputsOfTheNextRun)
{
    TestWindow w;
    dirty(w);
    w.controller.okabbrechenClick();

    const SessionState& s = w.form.state;
    testing::expectSetBackForNewRun(s);
    // What belongs to the next run's set-up, or to the import, stays.
    EXPECT_EQ(s.haltwurf, 25);
    EXPECT_EQ(s.permanenz, (std::vector<double>{0, 17, 4, 33}));
    EXPECT_EQ(s.importanzahl, 3);
}

TEST(RestartTest, YesEmptiesCountsLogAndLabelsButKeepsNumberLabelsAndMarks)
{
    TestWindow w;
    w.controller.tabelle1Click(22, 1);
    w.controller.tabelle1Click(0, 0);
    dirty(w);
    w.form.tabelle2.setTextAt(22, 0, "11");
    w.controller.okabbrechenClick();

    const FormModel& f = w.form;
    for (int n = 0; n <= 36; ++n) {
        EXPECT_EQ(f.tabelle1.textAt(n, 0), std::to_string(n));
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(f.tabelle1.textAt(n, c), "") << n << ',' << c;
            EXPECT_EQ(f.tabelle1.colourAt(n, c), colour::standard) << n << ',' << c;
        }
        const bool mark = n == 0 || n == 22;
        EXPECT_EQ(f.tabelle1.colourAt(n, 0), mark ? colour::lightGreen : colour::standard) << n;
        EXPECT_EQ(f.tabelle2.textAt(n, 0), mark ? " " : "") << n;
    }
    for (int r = 0; r < f.tabelle3.rows(); ++r)
        for (int c = 0; c < 4; ++c)
            ASSERT_EQ(f.tabelle3.textAt(r, c), "") << r << ',' << c;
    EXPECT_EQ(f.tabelle3.rows(), 5000);
    EXPECT_EQ(f.tabelle3.colWidth(1), 700);
    EXPECT_EQ(f.tabelle3.topRow(), 0);
    for (const Label* l :
         {&f.lakut, &f.lzahl, &f.Lreal, &f.Label11, &f.Lrotat, &f.Label13, &f.Label14, &f.Label15})
        EXPECT_EQ(l->caption(), "") << l->name();
    EXPECT_EQ(f.text.caption(), startGuidanceText());
}

TEST(RestartTest, YesBringsTheButtonsBackToTheSetUpState)
{
    TestWindow w;
    dirty(w);
    w.form.setTextanzahl("40");
    w.controller.okabbrechenClick();

    const FormModel& f = w.form;
    EXPECT_TRUE(f.okextern.enabled());
    EXPECT_FALSE(f.okabbrechen.enabled());
    EXPECT_EQ(f.okstart.caption(), "Start");
    EXPECT_FALSE(f.okstart.enabled());
    // The green a run leaves, not the lighter one of the start.
    EXPECT_EQ(f.okstart.backColour(), rgb(0, 192, 0));
    EXPECT_EQ(f.textanzahl.text(), "");
}

TEST(RestartTest, EmptyingTheSpinCountRunsItsChangeHandling)
{
    TestWindow w;
    w.form.setTextanzahl("40");
    dirty(w);
    int runs = 0;
    std::string seen;
    testing::ChangeSpy spy(w.form);
    spy.before = [&](testing::ChangeSpy::Change change) {
        if (change != testing::ChangeSpy::textanzahl)
            return;
        ++runs;
        seen = w.form.textanzahl.text();
    };
    w.controller.okabbrechenClick();
    EXPECT_GE(runs, 1);
    EXPECT_EQ(seen, "");
    EXPECT_FALSE(w.form.okstart.enabled());
    EXPECT_EQ(w.form.state.wurfanzahl, 0);
}

TEST(RestartTest, AfterAnImportSwitchesBackToTheGenerator)
{
    TestWindow w;
    // As a successful import leaves the window.
    w.form.state.permanenz = {0, 5, 12, 0, 31};
    w.form.state.importanzahl = 4;
    w.form.state.importmodus = 1;
    w.form.setTextanzahl("4");
    w.form.state.wurfanzahl = 4;
    w.form.Label15.setCaption("hamburg.txt");
    w.form.okextern.setEnabled(false);
    w.form.okabbrechen.setEnabled(true);

    w.controller.okabbrechenClick();
    EXPECT_EQ(w.form.state.importmodus, 0);
    EXPECT_EQ(w.form.state.wurfanzahl, 0);
    EXPECT_EQ(w.form.Label15.caption(), "");
    EXPECT_TRUE(w.form.okextern.enabled());
    EXPECT_FALSE(w.form.okstart.enabled());
    // Held, but no longer read.
    EXPECT_EQ(w.form.state.permanenz.size(), 5u);
}

void compose(TestWindow& w, std::initializer_list<int> numbers)
{
    for (int n : numbers) {
        w.spins.addNumber(n);
        press(w, 3);
    }
}

TEST(RestartInARunTest, NoInTheMiddleOfATripleLetsTheRunGoOn)
{
    TestWindow w;
    w.controller.textanzahlEdited("30");
    compose(w, {5});
    w.spins.addNumber(28);
    press(w);
    w.confirmation.answers = {false};
    w.controller.okabbrechenClick();
    press(w, 2);
    EXPECT_EQ(w.form.state.kombiwurf, 2);
    EXPECT_EQ(w.form.state.wurfnummer, 6);
    EXPECT_EQ(w.form.lzahl.caption(), "28");
    EXPECT_EQ(w.form.tabelle1.textAt(5, 1), "1");
    EXPECT_EQ(w.form.tabelle1.textAt(28, 1), "1");
}

class RestartMidTripleTest : public ::testing::TestWithParam<int> {};

TEST_P(RestartMidTripleTest, NextRunBeginsWithAFreshTriple)
{
    TestWindow w;
    w.controller.textanzahlEdited("30");
    compose(w, {5});
    // The open triple gets a 31 in its first spin and a 2 in its second.
    const int presses = GetParam();
    w.spins.add(presses == 1 ? std::vector<int>{31} : std::vector<int>{31, 2});
    press(w, presses);
    ASSERT_EQ(w.form.state.schritt, presses);
    w.controller.okabbrechenClick();
    EXPECT_EQ(w.form.state.schritt, 0);

    w.controller.textanzahlEdited("30");
    EXPECT_TRUE(w.form.okstart.enabled());
    compose(w, {20});
    EXPECT_EQ(w.form.state.kombiwurf, 1);
    EXPECT_EQ(w.form.state.wurfnummer, 3);
    EXPECT_EQ(w.form.lzahl.caption(), "20");
    EXPECT_EQ(w.form.tabelle1.textAt(20, 1), "1");
    EXPECT_EQ(w.form.tabelle1.textAt(5, 1), "");
    // The new triple fills the first row of the emptied log.
    EXPECT_EQ(w.form.tabelle3.textAt(1, 1), "");
    EXPECT_NE(w.form.tabelle3.textAt(0, 1), "");
}

INSTANTIATE_TEST_SUITE_P(OneOrTwoPresses, RestartMidTripleTest, ::testing::Values(1, 2));

TEST(RestartInARunTest, MarksAreArmedAgainAndRecordedAppearancesVanish)
{
    TestWindow w;
    w.controller.tabelle1Click(9, 0);
    w.controller.tabelle1Click(16, 0);
    w.controller.textanzahlEdited("30");
    compose(w, {3, 9});
    ASSERT_EQ(w.form.tabelle2.textAt(9, 0), "6");
    w.controller.okabbrechenClick();
    EXPECT_EQ(w.form.tabelle2.textAt(9, 0), " ");
    EXPECT_EQ(w.form.tabelle2.textAt(16, 0), " ");
    EXPECT_EQ(w.form.tabelle1.colourAt(9, 0), colour::lightGreen);

    w.controller.textanzahlEdited("30");
    compose(w, {9});
    EXPECT_EQ(w.form.tabelle2.textAt(9, 0), "3");
    EXPECT_EQ(w.form.tabelle2.textAt(16, 0), " ");
}

TEST(RestartInARunTest, FirstNumberAfterARestartIsNoRepeat)
{
    TestWindow w;
    w.controller.textanzahlEdited("30");
    compose(w, {11});
    w.controller.okabbrechenClick();
    w.controller.textanzahlEdited("30");
    compose(w, {11});
    EXPECT_EQ(w.form.tabelle1.textAt(11, 1), "1");
    EXPECT_EQ(w.form.tabelle1.textAt(11, 2), "");
    EXPECT_EQ(w.form.Label13.caption(), "");
    EXPECT_EQ(w.form.Label11.caption(), "");
}

TEST(RestartInARunTest, AfterAnImportTheNextRunDrawsFromTheGenerator)
{
    TestWindow w;
    // As a successful import leaves the window: six spins composing 1 twice.
    w.form.state.permanenz = {0, 1, 1, 1, 1, 1, 1};
    w.form.state.permanenz.resize(27);
    w.form.state.importanzahl = 6;
    w.form.state.importmodus = 1;
    w.form.setTextanzahl("6");
    w.form.okextern.setEnabled(false);
    w.form.okabbrechen.setEnabled(true);

    w.controller.okabbrechenClick();
    EXPECT_FALSE(w.form.okstart.enabled());
    w.controller.textanzahlEdited("6");
    compose(w, {34});
    EXPECT_EQ(w.form.lzahl.caption(), "34");
    EXPECT_EQ(w.spins.remaining(), 0u);
    EXPECT_EQ(w.spins.overrun, 0);
    EXPECT_EQ(w.form.tabelle1.textAt(1, 1), "");
}

TEST(RestartInARunTest, HaltBeiWurfAndItsHaltSpinApplyInTheNextRun)
{
    TestWindow w;
    w.controller.textanzahlEdited("100");
    w.controller.option1Click(runmode::haltBeiWurf);
    w.controller.haltbeiEdited("10");
    press(w, 4); // one triple, its continuation and a new six-group phase
    w.controller.okabbrechenClick();
    EXPECT_TRUE(w.form.Option1.isSelected(runmode::haltBeiWurf));
    EXPECT_EQ(w.form.haltbei.text(), "10");
    EXPECT_TRUE(w.form.haltbei.enabled());
    EXPECT_EQ(w.form.state.haltwurf, 10);

    // Triples at 1..3, 6..8 and 11..13; the third reaches the halt spin.
    w.controller.textanzahlEdited("100");
    press(w, 8);
    EXPECT_TRUE(w.form.Option1.isSelected(runmode::haltBeiWurf));
    press(w);
    EXPECT_TRUE(w.form.Option1.isSelected(runmode::einzelschritt));
    EXPECT_EQ(w.form.lakut.caption(), "13");
    EXPECT_EQ(w.form.state.kombiwurf, 3);
}

} // namespace
} // namespace ravelin
