// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_platform.h"
#include "window/guidance_text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ravelin {
namespace {

using testing::TestWindow;

TEST(StartUpTest, SeedsTheGeneratorOnce)
{
    TestWindow w;
    EXPECT_EQ(w.spins.seeded, 1);
}

TEST(StartUpTest, FrequencyGridShowsTheNumbersAndNothingElse)
{
    TestWindow w;
    const GridModel& t1 = w.form.tabelle1;
    ASSERT_EQ(t1.rows(), 37);
    ASSERT_EQ(t1.cols(), 4);
    for (int r = 0; r < 37; ++r) {
        EXPECT_EQ(t1.textAt(r, 0), std::to_string(r));
        for (int c = 1; c < 4; ++c)
            EXPECT_EQ(t1.textAt(r, c), "") << r << ',' << c;
        EXPECT_EQ(w.form.tabelle2.textAt(r, 0), "");
    }
    EXPECT_EQ(t1.row(), 0);
    EXPECT_EQ(t1.col(), 0);
    EXPECT_EQ(w.form.tabelle3.rows(), 5000);
    for (int r = 0; r < 5000; ++r)
        for (int c = 0; c < 4; ++c)
            ASSERT_EQ(w.form.tabelle3.textAt(r, c), "");
}

TEST(StartUpTest, GridLayout)
{
    TestWindow w;
    const int widths[4] = {450, 700, 600, 600};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(w.form.tabelle1.colWidth(c), widths[c]);
        EXPECT_EQ(w.form.tabelle3.colWidth(c), widths[c]);
        EXPECT_EQ(w.form.tabelle1.colAlignment(c), ColumnAlignment::CentreTop);
        EXPECT_EQ(w.form.tabelle3.colAlignment(c), ColumnAlignment::CentreTop);
    }
    EXPECT_EQ(w.form.tabelle2.colWidth(0), 400);
    EXPECT_EQ(w.form.tabelle1.fixedCols(), 1);
    EXPECT_EQ(w.form.tabelle2.fixedCols(), 0);
    EXPECT_EQ(w.form.tabelle3.fixedCols(), 1);
}

TEST(StartUpTest, GuidanceTextHasFourLinesJoinedByThreeCarriageReturns)
{
    TestWindow w;
    const std::string& caption = w.form.text.caption();
    EXPECT_EQ(caption, " Anzahl der gew\u00fcnschten W\u00fcrfe eingeben,\r"
                       "  Modus w\u00e4hlen und Start dr\u00fccken.\r"
                       "  Oder Import dr\u00fccken und entspr. Datei der\r"
                       "  Spielbank Hamburg angeben.");
    EXPECT_EQ(std::count(caption.begin(), caption.end(), '\r'), 3);
    EXPECT_EQ(caption.find('\n'), std::string::npos);
    EXPECT_EQ(caption, startGuidanceText());
}

TEST(StartUpTest, ControlsInTheirStartState)
{
    TestWindow w;
    const FormModel& f = w.form;
    EXPECT_FALSE(f.okstart.enabled());
    EXPECT_EQ(f.okstart.caption(), "Start");
    EXPECT_EQ(f.okstart.backColour(), colour::lightGreen);
    EXPECT_FALSE(f.okabbrechen.enabled());
    EXPECT_TRUE(f.okextern.enabled());
    EXPECT_TRUE(f.okende.enabled());
    EXPECT_FALSE(f.haltbei.enabled());
    EXPECT_EQ(f.haltbei.backColour(), colour::lightGrey);
    EXPECT_FALSE(f.okexternok.enabled());
    EXPECT_FALSE(f.Frame1.visible());
    EXPECT_FALSE(f.infotext.visible());
    EXPECT_EQ(f.okinfo.caption(), "Info");
    EXPECT_EQ(f.Option1.selected(), 0);
    EXPECT_EQ(f.textanzahl.text(), "");
    for (const Label* box :
         {&f.lakut, &f.Lreal, &f.lzahl, &f.Lrotat, &f.Label11, &f.Label13, &f.Label14, &f.Label15})
        EXPECT_EQ(box->caption(), "") << box->name();
    EXPECT_EQ(f.state.vorzahl, 200);
    EXPECT_EQ(f.board.kombizahl[6][3][2], 36);
}

TEST(StartUpTest, ModesShareOneToolTipForHaltAndRotation)
{
    TestWindow w;
    EXPECT_EQ(w.form.Option1.toolTip(2), w.form.Option1.toolTip(3));
    EXPECT_EQ(w.form.Option1.toolTip(0), " Bleibt nach jedem Wurf stehen  ");
    EXPECT_EQ(w.form.Option1.caption(2), "Halt bei Wurf..");
    EXPECT_EQ(w.form.Option1.caption(3), "Rotation/37");
}

} // namespace
} // namespace ravelin
