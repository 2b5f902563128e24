// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_platform.h"

#include <gtest/gtest.h>

namespace ravelin {
namespace {

using testing::TestWindow;

const char* const prompt = "Soll das Programm beendet werden ?     ";

TEST(ExitCommandTest, YesEndsTheProgram)
{
    TestWindow w;
    w.confirmation.answers = {true};
    w.controller.okendeClick();
    ASSERT_EQ(w.confirmation.prompts.size(), 1u);
    EXPECT_EQ(w.confirmation.prompts[0], prompt);
    EXPECT_EQ(w.confirmation.titles[0], " Beenden");
    EXPECT_TRUE(w.controller.quitRequested());
}

TEST(ExitCommandTest, YesEndsTheProgramInTheMiddleOfATriple)
{
    TestWindow w;
    w.controller.textanzahlEdited("30");
    w.controller.okstartClick();
    w.confirmation.answers = {true};
    w.controller.okendeClick();
    EXPECT_TRUE(w.controller.quitRequested());
}

TEST(ExitCommandTest, NoLeavesTheRunAsItWas)
{
    TestWindow w;
    w.spins.addNumber(15);
    w.spins.addNumber(22);
    w.controller.textanzahlEdited("30");
    w.controller.okstartClick();
    w.controller.okstartClick();
    w.controller.okstartClick();
    w.controller.okstartClick(); // the second triple is open
    const SessionState before = w.form.state;
    const std::string log(w.form.tabelle3.textAt(1, 1));

    w.confirmation.answers = {false};
    w.controller.okendeClick();
    EXPECT_EQ(w.confirmation.prompts.size(), 1u);
    EXPECT_FALSE(w.controller.quitRequested());
    EXPECT_EQ(w.form.state.wurfnummer, before.wurfnummer);
    EXPECT_EQ(w.form.state.schritt, before.schritt);
    EXPECT_EQ(w.form.state.kombiwurf, before.kombiwurf);
    EXPECT_EQ(w.form.tabelle3.textAt(1, 1), log);
    EXPECT_EQ(w.form.lzahl.caption(), "15");
    EXPECT_EQ(w.form.okstart.caption(), "Weiter");

    // The run goes on where it stood.
    w.controller.okstartClick();
    w.controller.okstartClick();
    EXPECT_EQ(w.form.lzahl.caption(), "22");
    EXPECT_EQ(w.form.Lreal.caption(), "2");
    EXPECT_FALSE(w.controller.quitRequested());
}

TEST(ExitCommandTest, EveryPressAsksAgain)
{
    TestWindow w;
    w.confirmation.answers = {false, false, true};
    w.controller.okendeClick();
    w.controller.okendeClick();
    EXPECT_FALSE(w.controller.quitRequested());
    w.controller.okendeClick();
    EXPECT_EQ(w.confirmation.prompts.size(), 3u);
    EXPECT_TRUE(w.controller.quitRequested());
}

} // namespace
} // namespace ravelin
