// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/run_helpers.h"
#include "window/run_mode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>
#include <string>
#include <vector>

namespace ravelin {
namespace {

using testing::endLine;
using testing::expectCandidates;
using testing::press;
using testing::TestWindow;

const std::string computerText = " Der Computer erzeugt die Zahlen...";

TEST(StartPressTest, OneTripleStepByStep)
{
    TestWindow w;
    w.spins.add({14, 26, 5});
    w.controller.textanzahlEdited("100");
    const FormModel& f = w.form;

    press(w);
    EXPECT_EQ(f.tabelle3.textAt(0, 1), "14/3");
    EXPECT_EQ(f.announcement.words(), "14, Sechser 3");
    expectCandidates(f, 3, {13, 14, 15, 16, 17, 18});
    expectCandidates(f, 2, {});
    EXPECT_EQ(f.okstart.backColour(), colour::startRed);
    EXPECT_EQ(f.okstart.caption(), "Weiter");
    EXPECT_TRUE(f.okabbrechen.enabled());
    EXPECT_FALSE(f.okextern.enabled());
    EXPECT_EQ(f.text.caption(), computerText);
    EXPECT_EQ(f.lakut.caption(), "");
    EXPECT_EQ(f.Lreal.caption(), "");

    press(w);
    EXPECT_EQ(f.tabelle3.textAt(0, 2), "26/2");
    EXPECT_EQ(f.announcement.words(), "26, Kolonne 2");
    expectCandidates(f, 2, {15, 16});
    EXPECT_EQ(f.okstart.backColour(), colour::startRed);
    EXPECT_EQ(f.lakut.caption(), "");

    press(w);
    EXPECT_EQ(f.tabelle3.textAt(0, 3), "5/1");
    EXPECT_EQ(f.tabelle3.textAt(0, 0), "15");
    EXPECT_EQ(f.announcement.words(), "5, Farbe 1, Zahl 15");
    EXPECT_EQ(f.lzahl.caption(), "15");
    EXPECT_EQ(f.Lreal.caption(), "1");
    EXPECT_EQ(f.lakut.caption(), "3");
    EXPECT_EQ(f.okstart.backColour(), colour::startGreen);
    EXPECT_TRUE(f.okstart.enabled());
    EXPECT_EQ(f.state.schritt, 0);
    EXPECT_EQ(f.state.kombiwurf, 1);
    // The highlighting stays until the next triple starts.
    expectCandidates(f, 3, {13, 14, 15, 16, 17, 18});
    expectCandidates(f, 2, {15, 16});

    // The next triple start takes it away and shows the new group only;
    // the counters still show the last completed triple.
    w.spins.add({36, 1, 1});
    press(w);
    expectCandidates(f, 3, {31, 32, 33, 34, 35, 36});
    expectCandidates(f, 2, {});
    EXPECT_EQ(f.tabelle1.colourAt(15, 2), colour::windowBackground);
    EXPECT_EQ(f.tabelle3.textAt(1, 1), "36/6");
    press(w);
    EXPECT_EQ(f.lakut.caption(), "3");
    EXPECT_EQ(f.Lreal.caption(), "1");
}

TEST(StartPressTest, ZerosAreSkippedOneAfterTheOther)
{
    TestWindow w;
    w.spins.add({0, 0, 14, 0, 26, 0, 0, 0, 5});
    w.controller.textanzahlEdited("100");
    press(w, 3);
    const FormModel& f = w.form;
    EXPECT_EQ(f.tabelle3.textAt(0, 1), "14/3");
    EXPECT_EQ(f.tabelle3.textAt(0, 2), "26/2");
    EXPECT_EQ(f.tabelle3.textAt(0, 3), "5/1");
    EXPECT_EQ(f.tabelle3.textAt(0, 0), "15");
    EXPECT_EQ(f.lakut.caption(), "9");
    EXPECT_EQ(f.Lreal.caption(), "1");
    EXPECT_EQ(w.spins.remaining(), 0u);
    EXPECT_EQ(f.tabelle3.textAt(1, 1), "");
}

TEST(StartPressTest, TenWantedSpinsInSingleSteps)
{
    TestWindow w;
    w.controller.textanzahlEdited("10");
    const FormModel& f = w.form;

    press(w, 9);
    EXPECT_DOUBLE_EQ(f.state.wurfnummer, 9);
    press(w, 3); // the fourth triple goes past the wanted spins: it is completed
    EXPECT_EQ(f.lakut.caption(), "12");
    EXPECT_EQ(f.Lreal.caption(), "4");
    EXPECT_TRUE(f.okstart.enabled());
    EXPECT_EQ(f.text.caption(), computerText);

    press(w); // the thirteenth press ends the run at its triple start
    EXPECT_EQ(f.text.caption(), computerText + endLine);
    EXPECT_EQ(f.announcement.words(), "Ende");
    EXPECT_EQ(f.okstart.caption(), "Start");
    EXPECT_EQ(f.okstart.backColour(), colour::startGreen);
    EXPECT_FALSE(f.okstart.enabled());
    EXPECT_TRUE(f.okabbrechen.enabled());
    EXPECT_EQ(f.state.schritt, 1);
    EXPECT_DOUBLE_EQ(f.state.wurfnummer, 12);
    EXPECT_EQ(f.tabelle3.textAt(4, 1), "");
}

// A press that goes on past its triple says every cell it wrote, and where it stopped.
TEST(StartPressTest, APressSaysEveryLogCellItWrote)
{
    const struct {
        const char* what;
        int mode;
        const char* wanted;
        const char* haltbei;
        const char* said;
    } cases[] = {
        {"Durchlauf into the next triple", runmode::durchlauf, "6", "",
         "5, Farbe 1, Zahl 15. 36, Sechser 6"},
        {"Durchlauf at the run's end", runmode::durchlauf, "3", "", "5, Farbe 1, Zahl 15. Ende"},
        {"Halt bei Wurf at its spin", runmode::haltBeiWurf, "9", "3",
         "5, Farbe 1, Zahl 15. Einzelschritt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestWindow w;
        w.spins.add({14, 26, 5, 36, 1, 1});
        w.controller.textanzahlEdited(c.wanted);
        w.controller.option1Click(c.mode);
        if (*c.haltbei)
            w.controller.haltbeiEdited(c.haltbei);
        press(w, 3);
        EXPECT_EQ(w.form.announcement.words(), c.said);
    }
}

TEST(StartPressTest, RunEndedAtItsTripleStartGoesOnWithAColumnPhase)
{
    TestWindow w;
    w.spins.add({14, 26, 5});
    w.controller.textanzahlEdited("3");
    press(w, 4);
    ASSERT_FALSE(w.form.okstart.enabled());
    ASSERT_EQ(w.form.state.schritt, 1);

    // A larger count: the open triple is completed with the group of the one before.
    w.controller.textanzahlEdited("20");
    EXPECT_TRUE(w.form.okstart.enabled());
    w.spins.add({26, 5});
    press(w, 2);
    const FormModel& f = w.form;
    EXPECT_EQ(f.tabelle3.textAt(1, 1), "");
    EXPECT_EQ(f.tabelle3.textAt(1, 2), "26/2");
    EXPECT_EQ(f.tabelle3.textAt(1, 3), "5/1");
    EXPECT_EQ(f.tabelle3.textAt(1, 0), "15");
    EXPECT_EQ(f.Lreal.caption(), "2");
    // The column phase draws at the position the last colour spin left.
    EXPECT_EQ(f.lakut.caption(), "4");
}

TEST(StartPressTest, LogScrollsFromTheTwentySixthTriple)
{
    TestWindow w;
    w.controller.textanzahlEdited("1000");
    const GridModel& log = w.form.tabelle3;
    press(w, 25 * 3);
    EXPECT_EQ(log.topRow(), 0);
    press(w, 3);
    EXPECT_EQ(log.topRow(), 1);
    press(w, 3);
    EXPECT_EQ(log.topRow(), 2);
    EXPECT_EQ(log.textAt(26, 0), "1");
}

TEST(StartPressTest, LakutIsRepaintedAtOnceInTheColourPhase)
{
    TestWindow w;
    struct Screen : PaintNow {
        FormModel& form;
        std::vector<std::string> repainted;
        explicit Screen(FormModel& f) : form(f) {}
        void paintNow(const Control& c) override
        {
            EXPECT_EQ(&c, &form.lakut);
            repainted.push_back(form.lakut.caption());
        }
    } screen(w.form);
    std::vector<std::string>& repainted = screen.repainted;
    w.form.paintNow = &screen;
    w.controller.textanzahlEdited("100");
    press(w, 2);
    EXPECT_TRUE(repainted.empty());
    press(w);
    EXPECT_EQ(repainted, (std::vector<std::string>{"3"}));
    press(w, 3);
    EXPECT_EQ(repainted, (std::vector<std::string>{"3", "6"}));
}

TEST(StartPressTest, APressTouchesOnlyTheRowsItWrites)
{
    TestWindow w;
    w.controller.textanzahlEdited("1000");
    press(w, 30 * 3);
    w.form.tabelle3.takeChanges();
    w.form.tabelle1.takeChanges();

    press(w); // triple start: the log's row 30 only
    GridModel::Changes log = w.form.tabelle3.takeChanges();
    EXPECT_EQ(log.firstRow, 30);
    EXPECT_EQ(log.lastRow, 30);
    // The old candidates (1, 2 and the group 1..6) go, the new group comes.
    GridModel::Changes grid = w.form.tabelle1.takeChanges();
    EXPECT_EQ(grid.firstRow, 1);
    EXPECT_EQ(grid.lastRow, 6);

    press(w, 2);
    log = w.form.tabelle3.takeChanges();
    EXPECT_EQ(log.firstRow, 30);
    EXPECT_EQ(log.lastRow, 30);
    EXPECT_TRUE(log.topRow);
    EXPECT_FALSE(log.layout);
}

// A generator that hands out the given numbers, then the middle of spin 1.
class FloatSpins : public SpinSource {
public:
    explicit FloatSpins(std::vector<float> values) : values_(values.begin(), values.end()) {}
    float next() override
    {
        if (values_.empty())
            return 1.5f / 37.0f;
        const float v = values_.front();
        values_.pop_front();
        return v;
    }

private:
    std::deque<float> values_;
};

struct GeneratorCase {
    const char* what;
    std::vector<float> values;
    const char* firstLog; // the six-group phase's log text
    double wurfnummer;    // after that phase
};

class GeneratorEdgeTest : public ::testing::TestWithParam<GeneratorCase> {};

TEST_P(GeneratorEdgeTest, EverySpinIsANumberOfTheWheel)
{
    const GeneratorCase& c = GetParam();
    FloatSpins spins(c.values);
    testing::ScriptedConfirmation confirmation;
    testing::MemoryFileSystem files;
    FormController controller(Platform{spins, confirmation, files});
    controller.textanzahlEdited("100");
    controller.okstartClick();
    EXPECT_EQ(controller.form().tabelle3.textAt(0, 1), c.firstLog) << c.what;
    EXPECT_DOUBLE_EQ(controller.form().state.wurfnummer, c.wurfnummer) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneratorEdgeTest,
    ::testing::Values(
        GeneratorCase{"largest float below 1", {std::nextafter(1.0f, 0.0f)}, "36/6", 2},
        GeneratorCase{"zero", {0.0f}, "1/1", 3},
        GeneratorCase{"just below the slice of 1", {std::nextafter(1.0f / 37.0f, 0.0f)}, "1/1", 3},
        // A faulty source never reaches past the board tables.
        GeneratorCase{"one", {1.0f}, "36/6", 2}, GeneratorCase{"above one", {7.0f}, "36/6", 2},
        GeneratorCase{"negative and NaN skipped",
                      {-0.5f, std::numeric_limits<float>::quiet_NaN()},
                      "1/1",
                      4}));

TEST(StartPressTest, LargestFloatBelowOneComposesFromSpinThirtySix)
{
    FloatSpins spins(
        {std::nextafter(1.0f, 0.0f), std::nextafter(1.0f, 0.0f), std::nextafter(1.0f, 0.0f)});
    testing::ScriptedConfirmation confirmation;
    testing::MemoryFileSystem files;
    FormController controller(Platform{spins, confirmation, files});
    controller.textanzahlEdited("100");
    for (int i = 0; i < 3; ++i)
        controller.okstartClick();
    const FormModel& f = controller.form();
    EXPECT_EQ(f.tabelle3.textAt(0, 2), "36/3");
    EXPECT_EQ(f.tabelle3.textAt(0, 3), "36/1");
    EXPECT_EQ(f.lzahl.caption(), "35");
}

// Puts a permanence in place as the import leaves it: slot 0 holds no spin,
// 20 empty slots follow the spins.
void importSpins(TestWindow& w, std::vector<double> spins)
{
    SessionState& s = w.form.state;
    s.permanenz.assign(1, 0);
    s.permanenz.insert(s.permanenz.end(), spins.begin(), spins.end());
    s.permanenz.resize(s.permanenz.size() + 20, 0);
    s.importmodus = 1;
    s.importanzahl = static_cast<double>(spins.size());
    w.form.text.setCaption("header");
    w.controller.textanzahlEdited(std::to_string(spins.size()));
}

TEST(ImportedSpinsTest, TakenInFileOrderWithNoWheelNumbersSkipped)
{
    TestWindow w;
    const double inf = std::numeric_limits<double>::infinity();
    importSpins(
        w, {0, 37, 36.6, 1e300, inf, -inf, std::nan(""), -1, -0.4, 14.4, 25.5, 36.5, 2.5, 1, 1});
    press(w, 3);
    const FormModel& f = w.form;
    EXPECT_EQ(f.tabelle3.textAt(0, 1), "14/3");
    EXPECT_EQ(f.tabelle3.textAt(0, 2), "26/2"); // 25.5 rounds to the even 26
    EXPECT_EQ(f.tabelle3.textAt(0, 3), "36/1"); // 36.5 rounds to 36
    EXPECT_EQ(f.lzahl.caption(), "15");
    EXPECT_EQ(f.lakut.caption(), "12");
    EXPECT_EQ(f.text.caption(), "header");
    EXPECT_EQ(w.spins.remaining(), 0u);
    press(w);
    EXPECT_EQ(f.tabelle3.textAt(1, 1), "2/1"); // 2.5 rounds to 2
}

TEST(ImportedSpinsTest, RunningOutInTheMiddleOfATripleEndsTheRun)
{
    TestWindow w;
    importSpins(w, {14, 26});
    const FormModel& f = w.form;
    press(w, 3);
    EXPECT_EQ(f.tabelle3.textAt(0, 1), "14/3");
    EXPECT_EQ(f.tabelle3.textAt(0, 2), "26/2");
    EXPECT_EQ(f.tabelle3.textAt(0, 3), "");
    EXPECT_EQ(f.tabelle3.textAt(0, 0), "");
    EXPECT_EQ(f.text.caption(), "header" + endLine);
    EXPECT_EQ(f.okstart.caption(), "Start");
    EXPECT_EQ(f.okstart.backColour(), colour::startGreen);
    EXPECT_FALSE(f.okstart.enabled());
    EXPECT_EQ(f.state.schritt, 0);
    EXPECT_EQ(f.state.kombiwurf, 0);
    EXPECT_EQ(f.Lreal.caption(), "");
    const std::int16_t rotwurf = f.state.rotwurf;

    // A larger count: the next press is a fresh triple, which ends the same way.
    w.controller.textanzahlEdited("50");
    press(w);
    EXPECT_EQ(f.text.caption(), "header" + endLine + endLine);
    EXPECT_FALSE(f.okstart.enabled());
    EXPECT_EQ(f.state.schritt, 0);
    EXPECT_EQ(f.state.rotwurf, rotwurf);
    EXPECT_EQ(f.tabelle3.textAt(0, 1), "14/3");
    EXPECT_EQ(f.tabelle3.textAt(0, 2), "26/2");
}

TEST(ImportedSpinsTest, EmptyPermanenceEndsAtTheFirstDraw)
{
    TestWindow w;
    w.form.state.importmodus = 1;
    w.controller.textanzahlEdited("5");
    press(w);
    EXPECT_FALSE(w.form.okstart.enabled());
    EXPECT_EQ(w.form.state.schritt, 0);
    EXPECT_EQ(w.form.tabelle3.textAt(0, 1), "");
}

class LogBoundTest : public ::testing::TestWithParam<int> {};

TEST_P(LogBoundTest, EveryPressEndsOnceTheLogIsFull)
{
    TestWindow w;
    w.controller.textanzahlEdited("30000");
    SessionState& s = w.form.state;
    s.kombiwurf = 5000;
    s.wurfnummer = 15000;
    s.schritt = static_cast<std::int16_t>(GetParam());
    s.aktsechser = 3;
    s.aktkolonne = 2;
    w.form.text.setCaption("x");

    press(w);
    EXPECT_EQ(w.form.text.caption(), "x" + endLine);
    EXPECT_FALSE(w.form.okstart.enabled());
    EXPECT_EQ(w.form.okstart.caption(), "Start");
    EXPECT_EQ(w.form.okstart.backColour(), colour::startGreen);
    EXPECT_EQ(s.schritt, 0);
    EXPECT_EQ(s.kombiwurf, 5000);
    EXPECT_DOUBLE_EQ(s.wurfnummer, 15000);
    EXPECT_EQ(w.spins.overrun, 0); // nothing was drawn
    EXPECT_EQ(w.form.lzahl.caption(), "");
}

// A fresh triple, an open column phase, an open colour phase.
INSTANTIATE_TEST_SUITE_P(OpenPhases, LogBoundTest, ::testing::Values(0, 1, 2));

TEST(StartPressTest, SingleStepRunEndsAtTheLogsLastRow)
{
    TestWindow w;
    w.controller.textanzahlEdited("30000");
    press(w, 5000 * 3);
    const FormModel& f = w.form;
    EXPECT_EQ(f.state.kombiwurf, 5000);
    EXPECT_EQ(f.tabelle3.textAt(4999, 0), "1");
    EXPECT_EQ(f.Lreal.caption(), "5000");
    EXPECT_TRUE(f.okstart.enabled());
    press(w);
    EXPECT_FALSE(f.okstart.enabled());
    EXPECT_EQ(f.state.schritt, 0);
    EXPECT_DOUBLE_EQ(f.state.wurfnummer, 15000);
}

} // namespace
} // namespace ravelin
