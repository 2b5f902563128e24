// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/run_helpers.h"
#include "support/model_dump.h"
#include "support/set_back_expectations.h"
#include "window/run_mode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ravelin {
namespace {

using testing::endLine;
using testing::expectCandidates;
using testing::modelDump;
using testing::press;
using testing::pressUntilEnd;
using testing::TestWindow;

// Spin p at position p: replayed from a permanence, the log tells which
// positions a triple used, passed-over positions included.
void spinsByPosition(TestWindow& w)
{
    SessionState& s = w.form.state;
    s.permanenz.assign(1, 0);
    for (int p = 1; p <= 36; ++p)
        s.permanenz.push_back(p);
    s.permanenz.resize(s.permanenz.size() + 20, 0);
    s.importmodus = 1;
}

int countsInGrid(const FormModel& f)
{
    int sum = 0;
    for (int n = 1; n <= 36; ++n) {
        const std::string_view t = f.tabelle1.textAt(n, 1);
        sum += t.empty() ? 0 : std::stoi(std::string(t));
    }
    return sum;
}

struct ContinuousCase {
    const char* what;
    int mode;
    const char* wanted;
    const char* haltbei; // "" leaves haltwurf at 0
    bool endsRun;        // pressed until the run ends, else until "Einzelschritt"
    int presses;
    std::vector<std::vector<std::string>> log; // columns 1..3 of the rows, in order
    std::string nextRowFirstSpin;              // column 1 of the row after them
    int modeAfter;
    std::vector<int> groupCandidates; // blue rows of tabelle1 column 3 at the end
    std::vector<int> pairCandidates;  // and of column 2
    // Then, if a count is given: "Einzelschritt", that count, and so many presses more.
    const char* thenWanted = nullptr;
    int thenPresses = 0;
};

class ContinuousModesTest : public ::testing::TestWithParam<ContinuousCase> {};

TEST_P(ContinuousModesTest, PositionsUsedByTheTriples)
{
    const ContinuousCase& c = GetParam();
    TestWindow w;
    TestWindow inOneStep;
    for (TestWindow* each : {&w, &inOneStep}) {
        spinsByPosition(*each);
        each->controller.textanzahlEdited(c.wanted);
        each->controller.option1Click(c.mode);
        if (*c.haltbei)
            each->controller.haltbeiEdited(c.haltbei);
    }

    int presses = 0;
    auto goesOn = [&] {
        return c.endsRun ? w.form.okstart.enabled()
                         : !w.form.Option1.isSelected(runmode::einzelschritt);
    };
    while (goesOn() && presses < 50) {
        press(w);
        ++presses;
    }
    EXPECT_EQ(presses, c.presses) << c.what;
    // "Bis zum Ende" ends where the single presses do, with all alike.
    inOneStep.controller.runToEnd();
    EXPECT_EQ(modelDump(inOneStep.form), modelDump(w.form)) << c.what;
    if (c.thenWanted) {
        w.controller.option1Click(runmode::einzelschritt);
        w.controller.textanzahlEdited(c.thenWanted);
        press(w, c.thenPresses);
    }
    const FormModel& f = w.form;
    for (std::size_t row = 0; row < c.log.size(); ++row)
        for (int col = 1; col <= 3; ++col)
            EXPECT_EQ(f.tabelle3.textAt(static_cast<int>(row), col),
                      c.log[row][static_cast<std::size_t>(col - 1)])
                << c.what << " row " << row << " col " << col;
    EXPECT_EQ(f.tabelle3.textAt(static_cast<int>(c.log.size()), 1), c.nextRowFirstSpin) << c.what;
    EXPECT_EQ(f.Option1.selected(), c.modeAfter) << c.what;
    SCOPED_TRACE(c.what);
    expectCandidates(f, 3, c.groupCandidates);
    expectCandidates(f, 2, c.pairCandidates);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ContinuousModesTest,
    ::testing::Values(
        // The continuations draw at 4 and 9; the seventh press ends at its triple start.
        ContinuousCase{"Durchlauf 10",
                       runmode::durchlauf,
                       "10",
                       "",
                       true,
                       7,
                       {{"1/1", "2/2", "3/1"}, {"6/1", "7/1", "8/2"}},
                       "9/2",
                       runmode::durchlauf,
                       {},
                       {}},
        // The ended triple start left its triple open: the single steps
        // complete it from the continuation's group, then start two more.
        ContinuousCase{"Durchlauf 10, then single steps up to the 13th press",
                       runmode::durchlauf,
                       "10",
                       "",
                       true,
                       7,
                       {{"1/1", "2/2", "3/1"},
                        {"6/1", "7/1", "8/2"},
                        {"9/2", "10/1", "11/2"},
                        {"12/2", "13/1", "14/1"}},
                       "15/3",
                       runmode::einzelschritt,
                       {13, 14, 15, 16, 17, 18},
                       {},
                       "20",
                       6},
        // The sixth press ends right after its colour phase.
        ContinuousCase{"Durchlauf 8",
                       runmode::durchlauf,
                       "8",
                       "",
                       true,
                       6,
                       {{"1/1", "2/2", "3/1"}, {"6/1", "7/1", "8/2"}},
                       "",
                       runmode::durchlauf,
                       {1, 2, 3, 4, 5, 6},
                       {1, 2}},
        ContinuousCase{"Halt bei Wurf 10",
                       runmode::haltBeiWurf,
                       "30",
                       "10",
                       false,
                       9,
                       {{"1/1", "2/2", "3/1"}, {"6/1", "7/1", "8/2"}, {"11/2", "12/3", "13/2"}},
                       "",
                       runmode::einzelschritt,
                       {7, 8, 9, 10, 11, 12},
                       {11, 12}},
        // The second triple ends exactly at the halt spin: it holds there.
        ContinuousCase{"Halt bei Wurf at a triple's last position",
                       runmode::haltBeiWurf,
                       "30",
                       "8",
                       false,
                       6,
                       {{"1/1", "2/2", "3/1"}, {"6/1", "7/1", "8/2"}},
                       "",
                       runmode::einzelschritt,
                       {1, 2, 3, 4, 5, 6},
                       {1, 2}},
        ContinuousCase{"Halt bei Wurf without a halt spin",
                       runmode::haltBeiWurf,
                       "30",
                       "",
                       false,
                       3,
                       {{"1/1", "2/2", "3/1"}},
                       "",
                       runmode::einzelschritt,
                       {1, 2, 3, 4, 5, 6},
                       {3, 4}}));

TEST(HaltBeiWurfTest, HaltIsSelectedThroughTheOptionHandling)
{
    TestWindow w;
    w.controller.textanzahlEdited("100");
    w.controller.option1Click(runmode::haltBeiWurf);
    w.controller.haltbeiEdited("10");
    press(w, 8);
    EXPECT_TRUE(w.form.haltbei.enabled());
    press(w);
    EXPECT_TRUE(w.form.Option1.isSelected(runmode::einzelschritt));
    EXPECT_EQ(w.form.haltbei.text(), "");
    EXPECT_FALSE(w.form.haltbei.enabled());
    EXPECT_EQ(w.form.haltbei.backColour(), colour::lightGrey);
    EXPECT_DOUBLE_EQ(w.form.state.haltwurf, 10);
    EXPECT_EQ(w.form.lakut.caption(), "13");
    EXPECT_TRUE(w.form.okstart.enabled());
}

TEST(HaltBeiWurfTest, EarlierHaltSpinStillAppliesWhenTheBoxWasEmptied)
{
    TestWindow w;
    w.controller.textanzahlEdited("100");
    w.controller.option1Click(runmode::haltBeiWurf);
    w.controller.haltbeiEdited("7");
    w.controller.option1Click(runmode::einzelschritt);
    w.controller.option1Click(runmode::haltBeiWurf);
    ASSERT_EQ(w.form.haltbei.text(), "");
    press(w, 6); // triples at 1..3 and 6..8
    EXPECT_TRUE(w.form.Option1.isSelected(runmode::einzelschritt));
    EXPECT_EQ(w.form.lakut.caption(), "8");
}

TEST(DurchlaufTest, WholeRunEndsAtTheLogsLastRow)
{
    TestWindow w;
    w.controller.textanzahlEdited("30000");
    w.controller.option1Click(runmode::durchlauf);
    const int presses = pressUntilEnd(w);
    const FormModel& f = w.form;
    // Every triple takes three presses; the one that completes the 5000th
    // ends the run instead of going on.
    EXPECT_EQ(presses, 15000);
    EXPECT_EQ(f.state.kombiwurf, 5000);
    EXPECT_EQ(f.tabelle3.textAt(4999, 0), "1");
    EXPECT_DOUBLE_EQ(f.state.wurfnummer, 5 * 5000 - 2);
    EXPECT_EQ(f.state.rotwurf, 2 * 5000 - 1);
    EXPECT_EQ(f.state.schritt, 0);
    EXPECT_EQ(f.okstart.caption(), "Start");
    EXPECT_EQ(f.text.caption(), " Der Computer erzeugt die Zahlen..." + endLine);
    EXPECT_EQ(f.lakut.caption(), "24998");
    EXPECT_EQ(f.tabelle3.topRow(), 4999 - 24);
}

// One row per completed triple of a run in "Rotation/37" with all spins 1.
struct TripleSeen {
    std::string lrotat;
    int mode;
    int counts;
    std::string lakut;
};

std::vector<TripleSeen> rotationRun(TestWindow& w, const char* wanted)
{
    w.controller.textanzahlEdited(wanted);
    w.controller.option1Click(runmode::rotation37);
    std::vector<TripleSeen> seen;
    while (w.form.okstart.enabled() && seen.size() < 200) {
        press(w, 3);
        if (!w.form.okstart.enabled())
            break;
        seen.push_back(TripleSeen{w.form.Lrotat.caption(), w.form.Option1.selected(),
                                  countsInGrid(w.form), w.form.lakut.caption()});
        if (w.form.Option1.isSelected(runmode::einzelschritt))
            break;
    }
    return seen;
}

// "Bis zum Ende" with drawn spins, zeros among them, in every mode: it stops
// where pressing Start one by one stops, the run's end or a press that
// changed the mode by itself, with every control and count alike.
TEST(RunToEndTest, EndsWhereSinglePressesEndInEveryMode)
{
    struct Case {
        int mode;
        const char* wanted;
        const char* haltbei;
        int modeAfter;
    };
    for (const Case& c : {Case{runmode::einzelschritt, "40", "", runmode::einzelschritt},
                          Case{runmode::durchlauf, "31", "", runmode::durchlauf},
                          Case{runmode::haltBeiWurf, "60", "25", runmode::einzelschritt},
                          Case{runmode::rotation37, "200", "", runmode::einzelschritt}}) {
        TestWindow single;
        TestWindow inOneStep;
        for (TestWindow* w : {&single, &inOneStep}) {
            for (int i = 0; i < 400; ++i)
                w->spins.add((i * 17 + i / 5) % 37);
            w->controller.textanzahlEdited(c.wanted);
            w->controller.option1Click(c.mode);
            if (*c.haltbei)
                w->controller.haltbeiEdited(c.haltbei);
        }
        while (single.form.okstart.enabled() && single.form.Option1.isSelected(c.mode))
            press(single);
        inOneStep.controller.runToEnd();
        EXPECT_EQ(modelDump(inOneStep.form), modelDump(single.form)) << c.mode;
        EXPECT_EQ(inOneStep.form.Option1.selected(), c.modeAfter) << c.mode;
        EXPECT_GT(inOneStep.form.state.kombiwurf, 3) << c.mode;
        // One summary, not the words of every press: the run's end, or the
        // mode a press chose by itself.
        const std::string stoppedAt = inOneStep.form.okstart.enabled() ? "Einzelschritt" : "Ende";
        EXPECT_EQ(inOneStep.form.announcement.words(),
                  stoppedAt + ", " + std::to_string(inOneStep.form.state.kombiwurf) + " Zahlen")
            << c.mode;
    }
}

TEST(RotationTest, HundredSpinsNeverCompleteARotation)
{
    TestWindow w;
    const std::vector<TripleSeen> seen = rotationRun(w, "100");
    ASSERT_EQ(seen.size(), 34u);
    EXPECT_EQ(seen[32].lrotat, "1/33");
    EXPECT_EQ(seen[32].mode, runmode::rotation37);
    // The 34th triple completes at 102 and falls back before it is counted.
    EXPECT_EQ(seen[33].lakut, "102");
    EXPECT_EQ(seen[33].lrotat, "1/33");
    EXPECT_EQ(seen[33].mode, runmode::einzelschritt);
    EXPECT_EQ(w.form.state.rotzaehler, 33);
    press(w);
    EXPECT_FALSE(w.form.okstart.enabled());
    EXPECT_EQ(w.form.state.rotationen, 0);
}

TEST(RotationTest, FirstRotationEndsWithTheThirtyEighthTriple)
{
    TestWindow w;
    const std::vector<TripleSeen> seen = rotationRun(w, "140");
    ASSERT_EQ(seen.size(), 38u);
    EXPECT_EQ(seen[0].lrotat, "1/1");
    EXPECT_EQ(seen[36].lrotat, "1/37");
    EXPECT_EQ(seen[36].counts, 37);
    // Triple 38 is counted in the grid its own six-group phase cleared.
    EXPECT_EQ(seen[37].lrotat, "1/38");
    EXPECT_EQ(seen[37].counts, 1);
    EXPECT_EQ(seen[37].lakut, "114");
    // 26 spins remain, fewer than a rotation.
    EXPECT_EQ(seen[37].mode, runmode::einzelschritt);
    const SessionState& s = w.form.state;
    EXPECT_EQ(s.rotationen, 1);
    testing::expectRotationStartsAfresh(s);
}

TEST(RotationTest, ModeStaysWhileAWholeRotationOfSpinsRemains)
{
    // The first rotation ends at spin 114; what is left decides the mode.
    const struct {
        const char* wanted;
        int modeAfter;
    } rows[] = {
        {"150", runmode::einzelschritt}, // 36 left
        {"151", runmode::rotation37},    // 37 left: exactly a rotation
    };
    for (const auto& row : rows) {
        TestWindow w;
        const std::vector<TripleSeen> seen = rotationRun(w, row.wanted);
        ASSERT_GE(seen.size(), 38u) << row.wanted;
        EXPECT_EQ(seen[37].lakut, "114") << row.wanted;
        EXPECT_EQ(seen[37].mode, row.modeAfter) << row.wanted;
    }
}

TEST(RotationTest, SecondRotationRunsOnUntilTheSpinsRunShort)
{
    TestWindow w;
    const std::vector<TripleSeen> seen = rotationRun(w, "200");
    ASSERT_EQ(seen.size(), 67u);
    EXPECT_EQ(seen[37].mode, runmode::rotation37); // 86 spins remain
    EXPECT_EQ(seen[38].lrotat, "2/1");
    EXPECT_EQ(seen[65].lrotat, "2/28");
    EXPECT_EQ(seen[66].lakut, "201");
    EXPECT_EQ(seen[66].lrotat, "2/28");
    EXPECT_EQ(seen[66].mode, runmode::einzelschritt);
}

TEST(RotationTest, LaterRotationsHoldThirtyEightNumbers)
{
    TestWindow w;
    const std::vector<TripleSeen> seen = rotationRun(w, "400");
    ASSERT_GE(seen.size(), 77u);
    EXPECT_EQ(seen[74].lrotat, "2/37");
    EXPECT_EQ(seen[74].counts, 38);
    EXPECT_EQ(seen[75].lrotat, "2/38");
    EXPECT_EQ(seen[75].counts, 1);
    EXPECT_EQ(seen[76].lrotat, "3/1");
    EXPECT_EQ(seen[76].counts, 2);
}

TEST(RotationTest, LabelsAndFirstAppearancesCountWithinTheRotation)
{
    TestWindow w;
    w.controller.tabelle1Click(1, 0); // every triple composes 1
    w.controller.textanzahlEdited("300");
    w.controller.option1Click(runmode::rotation37);
    const FormModel& f = w.form;

    press(w, 3);
    EXPECT_EQ(f.tabelle2.textAt(1, 0), "1");
    press(w, 3);
    EXPECT_EQ(f.Label11.caption(), "2");
    EXPECT_EQ(f.Label13.caption(), "2");
    EXPECT_EQ(f.tabelle2.textAt(1, 0), "2");

    // The triple start empties the labels and re-arms the record at once.
    press(w);
    EXPECT_EQ(f.Label11.caption(), "");
    EXPECT_EQ(f.Label13.caption(), "");
    EXPECT_EQ(f.tabelle2.textAt(1, 0), " ");
    EXPECT_EQ(f.tabelle2.textAt(5, 0), "");
    press(w, 2);
    EXPECT_EQ(f.Label14.caption(), "3");
    EXPECT_EQ(f.Label13.caption(), ""); // already seen in this rotation
    EXPECT_EQ(f.tabelle2.textAt(1, 0), "3");

    press(w, 3 * 35); // triple 38 ends the rotation
    EXPECT_EQ(f.tabelle2.textAt(1, 0), "38");
    ASSERT_EQ(f.state.rotationen, 1);
    press(w, 3);
    // The flags were set back: the first triple of the new rotation shows itself.
    EXPECT_EQ(f.Label11.caption(), "1");
    EXPECT_EQ(f.Label13.caption(), "1");
    EXPECT_EQ(f.Label14.caption(), "1");
    EXPECT_EQ(f.tabelle2.textAt(1, 0), "1");
    EXPECT_EQ(f.Lreal.caption(), "39");
}

TEST(RotationTest, LeavingTheModeAtThirtySevenClearsAtEveryLaterSixGroupPhase)
{
    TestWindow w;
    w.controller.tabelle1Click(1, 0);
    w.controller.textanzahlEdited("300");
    w.controller.option1Click(runmode::rotation37);
    press(w, 3 * 37);
    ASSERT_EQ(w.form.state.rotzaehler, 37);
    ASSERT_EQ(countsInGrid(w.form), 37);

    w.controller.option1Click(runmode::einzelschritt);
    const std::string lrotat = w.form.Lrotat.caption();
    for (int triple = 38; triple <= 40; ++triple) {
        press(w, 3);
        EXPECT_EQ(countsInGrid(w.form), 1) << triple;
        // Re-armed by the clear, then recorded at the triple's spin position.
        EXPECT_EQ(w.form.tabelle2.textAt(1, 0), std::to_string(3 * triple)) << triple;
    }
    EXPECT_EQ(w.form.state.rotzaehler, 37);
    EXPECT_EQ(w.form.state.rotationen, 0);
    EXPECT_EQ(w.form.Lrotat.caption(), lrotat);
}

TEST(RotationTest, RotwurfRisesInEveryModeAndSurvivesModeChanges)
{
    TestWindow w;
    w.controller.textanzahlEdited("300");
    press(w, 3 * 5);
    EXPECT_EQ(w.form.state.rotwurf, 5);
    w.controller.option1Click(runmode::rotation37);
    press(w, 3);
    EXPECT_EQ(w.form.Lrotat.caption(), "1/6");
    EXPECT_EQ(w.form.state.rotzaehler, 1);
}

} // namespace
} // namespace ravelin
